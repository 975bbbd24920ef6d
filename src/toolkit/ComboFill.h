// Drop-down lists filled with the core's names: units, variables.
#pragma once

#include "units/Units.h"
#include "units/VariableCatalog.h"

#include <string>
#include <vector>

class QComboBox;

namespace hydrolofter {

/// Puts the names in place of the list's entries and selects one (-1: none); the open
/// list shows every name whole.
void fillCombo(QComboBox& combo, const std::vector<std::string>& names, int selected = -1);

/// Fills a unit drop-down with a family's units (and "%" withPercent) and selects one.
void fillUnitCombo(QComboBox& combo, UnitFamily family, int selected, bool withPercent = false);

/// Fills a unit drop-down with the unit list of the variable at position of list and
/// selects its default unit; an invalid position or list leaves it empty.
void refillUnitCombo(QComboBox& units, int position, VariableList list);

} // namespace hydrolofter
