// What the ways of presenting a run share: a variable's caption, with its unit.
#pragma once

#include "units/VariableCatalog.h"

#include <string>

namespace hydrolofter::presentation {

inline std::string name(VariableId v) {
    return isValidVariable(v) ? std::string(variableInfo(v).name) : std::string("?");
}

inline std::string withUnit(VariableId v, int unitIndex) {
    return name(v) + " (" + unitName(v, unitIndex) + ")";
}

} // namespace hydrolofter::presentation
