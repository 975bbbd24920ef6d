// Refuses runs whose models would be non-physical, before anything is flown.
#pragma once

#include "RunSettings.h"
#include "SimulationInputs.h"

#include <string>
#include <vector>

namespace hydrolofter {

/// Every problem with the run the settings describe, one message each, naming the input by
/// its caption and, for a problem at some sweep points only, those points' swept values.
/// Empty when the run may start. Checks the settings (precision, variables, units) and
/// every model the run would fly.
std::vector<std::string> checkInputs(const RunSettings& settings, const SimulationInputs& inputs);

/// The problems of one model, each as "Caption: what is wrong" without a final period.
std::vector<std::string> checkModel(const RocketModel& model, const SimulationInputs& inputs);

} // namespace hydrolofter
