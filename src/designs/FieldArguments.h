// NAME=VALUE assignments of the field table's fields, as the batch tool's command line and
// the browser's share links give them.
#pragma once

#include "runs/RunSettings.h"
#include "runs/SimulationInputs.h"

#include <string>
#include <vector>

namespace hydrolofter {

/// Assigns each NAME=VALUE to its field of the records, in order; a variable's unit is read
/// once every variable is known, and a new variable brings its default unit, as on the
/// settings page. Unknown names, values that are not numbers, choices outside their list and
/// unknown unit or variable names stop it with an error naming the argument and what is
/// wrong; empty when all were taken.
std::string assignFields(const std::vector<std::string>& assignments, SimulationInputs& inputs,
                         RunSettings& settings);

} // namespace hydrolofter
