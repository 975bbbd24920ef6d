#include "FieldArguments.h"

#include "Design.h"
#include "MessageText.h"
#include "runs/FieldTable.h"
#include "units/NumberText.h"

#include <cstdlib>
#include <optional>
#include <variant>

namespace hydrolofter {
namespace {

using Kind = FieldKind;

std::string quote(const std::string& s) {
    return quotedArgument(s);
}

std::optional<double> parseNumber(const std::string& text) {
    return parseDecimal(text);
}

std::optional<int> parseInteger(const std::string& text) {
    return parseWholeNumber(text);
}

std::string joinNames(int count, auto nameAt) {
    std::string s;
    for (int i = 0; i < count; ++i)
        s += (i ? ", '" : "'") + nameAt(i) + "'";
    return s;
}

/// "arg: not a unit of its list (0..4: gal, L, m^3, mL, qt)": what an index outside its
/// list is refused with, naming every index that is accepted.
std::string outsideList(const std::string& arg, const char* what, int first, int count,
                        auto nameAt) {
    // first < 0: the entries are not numbered in a row and name their numbers themselves.
    std::string s = messageSafe(arg, 60) + ": not a " + what + " of its list (";
    if (first >= 0)
        s += std::to_string(first) + ".." + std::to_string(first + count - 1) + ": ";
    for (int i = 0; i < count; ++i)
        s += (i ? ", " : "") + nameAt(i);
    return s + ")";
}

class Assigner {
public:
    Assigner(SimulationInputs& inputs, RunSettings& settings)
        : inputs_(inputs), settings_(settings) {}

    std::string assign(const std::vector<std::string>& assignments) {
        for (std::size_t k = 0; k < assignments.size() && error_.empty(); ++k)
            assignment(assignments[k]);
        if (error_.empty())
            resolveVariableUnits();
        return error_;
    }

private:
    void fail(std::string message) {
        if (error_.empty() && !message.empty())
            error_ = std::move(message);
    }

    void assignment(const std::string& arg) {
        const auto eq = arg.find('=');
        if (eq == std::string::npos)
            return fail(quote(arg) + ": expected NAME=VALUE");
        const std::string name = arg.substr(0, eq);
        const std::string value = arg.substr(eq + 1);
        const Field* f = findField(name);
        if (!f) {
            return fail(quote(arg) + ": unknown name " + quote(name) +
                        "; accepted: " + joinNames(int(fields().size()), [](int i) {
                            return std::string(fields()[std::size_t(i)].name);
                        }));
        }
        switch (f->kind) {
        case Kind::Number: {
            const std::optional<double> v = parseNumber(value);
            if (!v)
                return fail(quote(arg) + ": " + quote(value) + " is not a decimal number");
            store(*f, *v);
            break;
        }
        case Kind::Integer: {
            const std::optional<int> v = parseInteger(value);
            if (!v)
                return fail(quote(arg) + ": " + quote(value) + " is not a whole number");
            if (const std::string problem = choiceProblem(*f, *v); !problem.empty())
                return fail(quote(arg) + ": " + problem);
            storeInt(*f, *v);
            break;
        }
        case Kind::Text:
            if (const std::string problem = descriptionProblem(value); !problem.empty())
                return fail(quote(arg) + ": " + problem);
            inputs_.*std::get<InputText>(f->member) = value;
            break;
        case Kind::FamilyUnit:
        case Kind::PercentUnit:
            familyUnit(*f, arg, value);
            break;
        case Kind::Variable:
            variable(*f, arg, value);
            break;
        case Kind::VariableUnit:
            // Resolved once every variable is known: its list depends on the variable.
            pendingUnits.push_back({f, arg, value});
            break;
        }
    }

    void store(const Field& f, double v) {
        if (auto m = std::get_if<InputNumber>(&f.member))
            inputs_.*(*m) = v;
        else
            settings_.*std::get<SettingNumber>(f.member) = v;
    }

    void storeInt(const Field& f, int v) {
        if (auto m = std::get_if<InputInt>(&f.member))
            inputs_.*(*m) = v;
        else
            setSettingInt(f, settings_, v);
    }

    /// The whole-number setting a field pairs with (a variable's unit, a unit's variable);
    /// the field table's own test holds that every pairing names such a setting.
    int& settingInt(std::string_view name) {
        const Field* f = findField(name);
        const SettingInt* member = f ? std::get_if<SettingInt>(&f->member) : nullptr;
        if (!member)
            std::abort();
        return settings_.**member;
    }

    void familyUnit(const Field& f, const std::string& arg, const std::string& value) {
        const std::vector<std::string> names = unitNamesOf(f);
        const int count = int(names.size());
        auto nameAt = [&](int i) { return names[std::size_t(i)]; };
        for (int i = 0; i < count; ++i) {
            if (nameAt(i) == value)
                return storeInt(f, i);
        }
        if (const std::optional<int> index = parseInteger(value)) {
            if (*index < 0 || *index >= count)
                return fail(outsideList(arg, "unit", 0, count, nameAt));
            return storeInt(f, *index);
        }
        fail(quote(arg) + ": unknown unit " + quote(value) +
             "; accepted: " + joinNames(count, nameAt) + " or an index");
    }

    void variable(const Field& f, const std::string& arg, const std::string& value) {
        const int size = listSize(f.list);
        auto nameAt = [&](int i) { return std::string(variableInfo(variableAt(f.list, i)).name); };
        int id = -1;
        for (int i = 0; i < size && id < 0; ++i) {
            if (nameAt(i) == value)
                id = variableAt(f.list, i);
        }
        if (id < 0) {
            const std::optional<int> number = parseInteger(value);
            if (!number)
                return fail(quote(arg) + ": unknown variable " + quote(value) +
                            "; accepted: " + joinNames(size, nameAt) + " or a VariableId");
            id = *number;
            if (!inList(id, f.list))
                return fail(outsideList(arg, "variable", -1, size, [&](int i) {
                    return std::to_string(variableAt(f.list, i)) + " " + nameAt(i);
                }));
        }
        storeInt(f, id);
        // As the settings page does: a new variable brings its default unit.
        if (isValidVariable(id))
            settingInt(f.paired) = variableInfo(id).defaultUnit;
    }

    void resolveVariableUnits() {
        for (const Pending& p : pendingUnits) {
            const VariableId v = settingInt(p.field->paired);
            if (const std::optional<int> index = parseInteger(p.value)) {
                const int count = unitListSize(v);
                if (isValidVariable(v) && (*index < 0 || *index >= count))
                    return fail(outsideList(p.arg, "unit", 0, count,
                                            [v](int i) { return unitName(v, i); }));
                settingInt(p.field->name) = *index;
                continue;
            }
            const int index = unitIndexByName(v, p.value);
            if (index < 0) {
                return fail(quote(p.arg) + ": unknown unit " + quote(p.value) + "; accepted: " +
                            joinNames(unitListSize(v), [v](int i) { return unitName(v, i); }) +
                            " or an index");
            }
            settingInt(p.field->name) = index;
        }
    }

    struct Pending {
        const Field* field;
        std::string arg;
        std::string value;
    };
    std::vector<Pending> pendingUnits;
    SimulationInputs& inputs_;
    RunSettings& settings_;
    std::string error_;
};

} // namespace

std::string assignFields(const std::vector<std::string>& assignments, SimulationInputs& inputs,
                         RunSettings& settings) {
    return Assigner(inputs, settings).assign(assignments);
}

} // namespace hydrolofter
