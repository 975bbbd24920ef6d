#include "FieldTable.h"

#include "FieldBuilder.h"

#include <vector>

namespace hydrolofter {
namespace {

/// The three parts of the table in page order, as one list.
const std::vector<Field>& allFields() {
    static const std::vector<Field> all = [] {
        std::vector<Field> v;
        for (auto part : {fieldtable::rocketFields(), fieldtable::siteAndLaunchFields(),
                          fieldtable::settingFields()})
            v.insert(v.end(), part.begin(), part.end());
        return v;
    }();
    return all;
}

} // namespace

std::string withoutMnemonic(std::string_view caption) {
    std::string s;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size() && caption[i + 1] != '&')
            continue;
        s += caption[i];
    }
    return s;
}

std::string Field::plainCaption() const {
    std::string s = withoutMnemonic(caption);
    while (!s.empty() && (s.back() == ':' || s.back() == ' '))
        s.pop_back();
    return s;
}

std::string Field::checkName() const {
    return limits.checkCaption.empty() ? plainCaption() : std::string(limits.checkCaption);
}

namespace {
constexpr std::pair<FieldGroup, std::string_view> kGroupCaptions[] = {
    {FieldGroup::Rocket, "Rocket Specifications"},
    {FieldGroup::Environment, "Launch Pad / Environment Specifications"},
    {FieldGroup::Launch, "Launch Specifications"},
    {FieldGroup::Settings, "Simulation Settings"},
};
} // namespace

std::span<const std::pair<FieldGroup, std::string_view>> fieldGroups() {
    return kGroupCaptions;
}

std::span<const Field> fields() {
    return allFields();
}

const Field* findField(std::string_view name) {
    for (const Field& f : allFields()) {
        if (f.name == name)
            return &f;
    }
    return nullptr;
}

const Field* sweptField(VariableId v) {
    for (const Field& f : allFields()) {
        if (f.sweep == v && v >= 0)
            return &f;
    }
    return nullptr;
}

int unitIndexOf(const Field& number, const SimulationInputs& inputs) {
    const Field* unit = number.paired.empty() ? nullptr : findField(number.paired);
    if (!unit || !std::holds_alternative<InputInt>(unit->member))
        return -1;
    return inputs.*std::get<InputInt>(unit->member);
}

std::vector<std::string> unitNamesOf(const Field& f) {
    if (f.kind != FieldKind::FamilyUnit && f.kind != FieldKind::PercentUnit)
        return {};
    return unitChoices(f.family, f.kind == FieldKind::PercentUnit);
}

bool fieldApplies(const Field& f, const SimulationInputs& inputs) {
    if (f.model.rule == ModelRule::CircleArea)
        return inputs.parachuteShape == 0;
    if (f.model.rule == ModelRule::Area)
        return inputs.parachuteShape != 0;
    return true;
}

int runModeOf(const Field& f) {
    if (f.group != FieldGroup::Settings)
        return -1;
    // Each kind of run's settings start with its display choice, in the modes' order.
    int mode = -1;
    for (const Field& g : fields()) {
        if (std::holds_alternative<SettingDisplay>(g.member))
            ++mode;
        if (&g == &f)
            return mode;
    }
    return -1;
}

bool fieldEnabled(const Field& f, const SimulationInputs& inputs, const RunSettings& settings) {
    const bool unit = f.kind == FieldKind::FamilyUnit || f.kind == FieldKind::PercentUnit ||
                      f.kind == FieldKind::VariableUnit;
    if (const Field* owner = unit ? findField(f.paired) : nullptr)
        return fieldEnabled(*owner, inputs, settings); // a unit goes with its value
    if (f.extendedOnly)
        return settings.flightModel == ExtendedModel;
    if (f.group == FieldGroup::Rocket && f.box == "Parachute" && f.entry != Entry::Tick)
        return inputs.kamikaze == 0 && fieldApplies(f, inputs);
    const int mode = runModeOf(f);
    if (mode < 0)
        return true;
    if (f.name == "plotVariable")
        return settings.mode == mode && settings.launchDisplay == Graph;
    return settings.mode == mode;
}

int choiceCount(const Field& f) {
    if (f.entry == Entry::Tick)
        return 2;
    return f.options.empty() ? 0 : int(f.options.size());
}

std::string choiceProblem(const Field& f, long long value) {
    const int n = choiceCount(f);
    if (n == 0 || (value >= 0 && value < n))
        return {};
    return "must be a whole number from 0 to " + std::to_string(n - 1);
}

int settingInt(const Field& f, const RunSettings& s) {
    if (const auto* m = std::get_if<SettingMode>(&f.member))
        return s.**m;
    if (const auto* d = std::get_if<SettingDisplay>(&f.member))
        return s.**d;
    return s.*std::get<SettingInt>(f.member);
}

void setSettingInt(const Field& f, RunSettings& s, int value) {
    if (const auto* m = std::get_if<SettingMode>(&f.member))
        s.** m = static_cast<RunMode>(value);
    else if (const auto* d = std::get_if<SettingDisplay>(&f.member))
        s.** d = static_cast<DisplayChoice>(value);
    else
        s.*std::get<SettingInt>(f.member) = value;
}

bool isSettingInt(const Field& f) {
    return std::holds_alternative<SettingInt>(f.member) ||
           std::holds_alternative<SettingMode>(f.member) ||
           std::holds_alternative<SettingDisplay>(f.member);
}

void copyGroup(FieldGroup group, const SimulationInputs& from, SimulationInputs& to) {
    for (const Field& f : allFields()) {
        if (f.group != group)
            continue;
        std::visit(
            [&](auto member) {
                using M = decltype(member);
                if constexpr (std::is_same_v<M, InputNumber> || std::is_same_v<M, InputInt> ||
                              std::is_same_v<M, InputText>)
                    to.*member = from.*member;
            },
            f.member);
    }
}

} // namespace hydrolofter