// Every field of the inputs and run settings, once: its name, where it lives, what it holds.
// The batch tool reads NAME=VALUE through it, the pages copy their part of the records
// through it, and design files name their entries by it.
#pragma once

#include "RunSettings.h"
#include "SimulationInputs.h"

#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace hydrolofter {

enum class FieldKind {
    Number,       ///< any decimal number
    Integer,      ///< a whole decimal number
    Text,         ///< free text
    FamilyUnit,   ///< a unit of `family`, by index
    PercentUnit,  ///< a unit of the volume-or-percent list, by index
    Variable,     ///< a variable of `list`, by catalogue id
    VariableUnit, ///< a unit of the variable in the `paired` field, by index
};

/// The page (and design file) a field belongs to.
enum class FieldGroup { Rocket, Environment, Launch, Settings };

using InputNumber = double SimulationInputs::*;
using InputInt = int SimulationInputs::*;
using InputText = std::string SimulationInputs::*;
using SettingNumber = double RunSettings::*;
using SettingInt = int RunSettings::*;
using FieldMember = std::variant<InputNumber, InputInt, InputText, SettingNumber, SettingInt>;

struct Field {
    std::string_view name; ///< the member's name: the batch tool's NAME, a design file's key
    FieldKind kind;
    FieldGroup group;
    FieldMember member;
    UnitFamily family = UnitFamily::SmallLength;    ///< FamilyUnit
    VariableList list = VariableList::PlotVariables; ///< Variable
    /// A number's unit, a variable's unit, or a unit's variable; empty when none.
    std::string_view paired = {};
};

/// All fields: the inputs in page order (rocket, environment, launch), then the settings.
std::span<const Field> fields();
/// The field of that name, or nullptr.
const Field* findField(std::string_view name);

/// Copies the fields of one group from one record to the other.
void copyGroup(FieldGroup group, const SimulationInputs& from, SimulationInputs& to);

} // namespace hydrolofter
