// Every field of the inputs and run settings, described once: its name, where it lives,
// what the page shows for it, how a run uses it and what the input check allows. The batch
// tool, the design files, the pages, the printed page, the model set-up, the sweep setter
// and the input check all read this table.
#pragma once

#include "RunSettings.h"
#include "SimulationInputs.h"

#include "model/RocketModel.h"

#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

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

/// How the page lets the user enter a field.
enum class Entry {
    None,   ///< not on a page of its own (a unit, shown beside its number)
    Number, ///< an edit box for a decimal number
    Count,  ///< an edit box for digits, with arrows
    Tick,   ///< a check box: 1 ticked, 0 not
    Choice, ///< radio buttons, one per option, the first one 0
    Note,   ///< a box of several lines of text
};

/// How a field reaches the rocket model.
enum class ModelRule {
    None,       ///< runs do not read it
    Convert,    ///< converted from its unit to the model's (copied when it has none)
    CircleArea, ///< a circular parachute's diameter, in cm, becomes its area
    Area,       ///< an irregular parachute's area
    WaterShare, ///< the share of the bottle: % or a volume over the bottle's volume
    Count,      ///< copied as a whole number
};

/// What the input check requires of the model value besides its size.
enum class Bound { None, AboveZero, NotNegative, BelowZero, AboveAbsoluteZero };

using InputNumber = double SimulationInputs::*;
using InputInt = int SimulationInputs::*;
using InputText = std::string SimulationInputs::*;
using SettingNumber = double RunSettings::*;
using SettingInt = int RunSettings::*;
using SettingMode = RunMode RunSettings::*;
using SettingDisplay = DisplayChoice RunSettings::*;
using FieldMember = std::variant<InputNumber, InputInt, InputText, SettingNumber, SettingInt,
                                 SettingMode, SettingDisplay>;

/// One radio button of a choice.
struct FieldOption {
    std::string_view caption;
    std::string_view help;
    std::string_view spokenName = {}; ///< for screen readers, where the caption will not do
};

struct ModelTarget {
    ModelRule rule = ModelRule::None;
    double RocketModel::*number = nullptr; ///< the model field it fills
    int RocketModel::*count = nullptr;     ///< ... when that is a whole number
    int internalUnit = 0;                  ///< the model's unit in the field's family
    bool changesAirVolume = false;         ///< the launch air is measured again after it
};

/// The input check's limits: far beyond any water rocket, but the flight's arithmetic
/// would overflow past them.
struct FieldLimits {
    double smallest = 0;           ///< of a positive model value; 0: no lower limit
    double largest = 0;            ///< of the magnitude; 0: only infinity is refused
    std::string_view unit;         ///< the model's unit, as the limits are quoted
    Bound bound = Bound::None;     ///< the sign or floor the value must keep
    std::string_view boundMessage; ///< said instead of the bound's usual words
    std::string_view checkCaption; ///< names it where the page's caption would not
};

struct Field {
    std::string_view name; ///< the member's name: the batch tool's NAME, a design file's key
    FieldKind kind;
    FieldGroup group;
    FieldMember member;
    UnitFamily family = UnitFamily::SmallLength;     ///< FamilyUnit
    VariableList list = VariableList::PlotVariables; ///< Variable
    /// A number's unit, a variable's unit, or a unit's variable; empty when none.
    std::string_view paired = {};

    // What the page shows.
    Entry entry = Entry::None;
    std::string_view caption = {};    ///< exactly as the page shows it, & before a mnemonic
    std::string_view help = {};       ///< the control's tooltip
    std::string_view spokenName = {}; ///< for screen readers, where the caption will not do
    std::string_view box = {};        ///< the group box it sits in
    std::string_view unitLabel = {};  ///< the fixed label beside a number without a unit list
    std::string_view hint = {};       ///< a line of advice under it
    std::span<const FieldOption> options = {}; ///< Choice
    bool readOnly = false;                     ///< shown for notes, never entered
    int column = 0;                            ///< its column in the box (0 or 1)
    bool extendedOnly = false;                 ///< read by the extended flight model only

    // How a run uses it.
    VariableId sweep = -1; ///< the catalogue variable it is swept and printed as; -1 none
    ModelTarget model = {};
    FieldLimits limits = {};

    /// The caption without its mnemonic marker and colon: "Diameter".
    std::string plainCaption() const;
    /// The name the input check and the printed page give it.
    std::string checkName() const;
};

/// A caption as it reads, without the & that marks its mnemonic.
std::string withoutMnemonic(std::string_view caption);

/// All fields: the inputs in page order (rocket, environment, launch), then the settings.
std::span<const Field> fields();
/// A unit field's list in index order (a volume-or-percent list ends with "%"); none for
/// other fields.
std::vector<std::string> unitNamesOf(const Field& f);
/// The caption of each page's group of fields, in page order.
std::span<const std::pair<FieldGroup, std::string_view>> fieldGroups();
/// The field of that name, or nullptr.
const Field* findField(std::string_view name);
/// The field swept as catalogue variable v, or nullptr.
const Field* sweptField(VariableId v);
/// The unit index a record holds for a number field with a unit; -1 when it has none.
int unitIndexOf(const Field& number, const SimulationInputs& inputs);
/// Whether a number field counts with these inputs: a parachute's diameter only for a
/// circular parachute, its surface area only for an irregular one.
bool fieldApplies(const Field& f, const SimulationInputs& inputs);

/// The kind of run (a RunMode) whose settings a field is one of, or -1: the mode and the
/// precision serve every kind.
int runModeOf(const Field& f);
/// Whether the pages let the user change a field now: not a rocket's parachute when it has
/// none (kamikaze), nor the parachute size its shape does not use; of the settings only the
/// chosen kind of run's, and a launch analysis's variable only for its graph; the extended
/// model's own inputs only while it is chosen.
bool fieldEnabled(const Field& f, const SimulationInputs& inputs, const RunSettings& settings);

/// How many values a tick (2) or a choice (one per option) takes; 0 for other fields.
int choiceCount(const Field& f);
/// "must be a whole number from 0 to N" when value is not one of a tick's or a choice's
/// values; empty when it is, or the field is neither.
std::string choiceProblem(const Field& f, long long value);

/// A whole-number setting (a mode, a display choice, a variable, a unit, the precision) as
/// an int; the field must be one.
int settingInt(const Field& f, const RunSettings& s);
/// Stores an int into a whole-number setting; the caller has checked the value's range.
void setSettingInt(const Field& f, RunSettings& s, int value);
/// Whether the field is a whole-number setting.
bool isSettingInt(const Field& f);

/// Copies the fields of one group from one record to the other.
void copyGroup(FieldGroup group, const SimulationInputs& from, SimulationInputs& to);

} // namespace hydrolofter
