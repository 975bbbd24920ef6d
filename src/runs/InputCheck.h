// Refuses runs whose models would be non-physical, before anything is flown.
#pragma once

#include "RunSettings.h"
#include "SimulationInputs.h"

#include <string>
#include <vector>

namespace hydrolofter {

struct Field;

/// Every problem with the run the settings describe, one message each, naming the input by
/// its caption and, for a problem at some sweep points only, those points' swept values.
/// Empty when the run may start. Checks the settings (precision, variables, units) and
/// every model the run would fly.
std::vector<std::string> checkInputs(const RunSettings& settings, const SimulationInputs& inputs);

/// The problems of one model, each as "Caption: what is wrong" without a final period.
std::vector<std::string> checkModel(const RocketModel& model, const SimulationInputs& inputs);

/// Why the model cannot leave the pad (the air in the bottle no stronger than the
/// atmosphere), or empty.
std::string liftOffProblem(const RocketModel& model);

/// The field a problem of checkInputs is about (it starts with its caption), or nullptr.
const Field* problemField(const std::string& problem);

} // namespace hydrolofter
