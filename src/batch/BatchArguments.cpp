// The field table maps each NAME to its record field and to what its values may be.
#include "BatchArguments.h"
#include "BatchMeasured.h"
#include "BatchOptions.h"
#include "designs/Design.h"
#include "designs/Flight.h"
#include "designs/JsonText.h"
#include "designs/MessageText.h"

#include "runs/FieldTable.h"
#include "units/NumberText.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <variant>

namespace hydrolofter {
namespace {

using Kind = FieldKind;

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

/// An argument as a message echoes it: control characters escaped, a long one cut.
std::string quote(const std::string& s) {
    std::string quoted(1, '\'');
    return quoted.append(messageSafe(s, 60)).append(1, '\''); // appended: GCC 12 -Wrestrict
}

/// "arg: not a unit of its list (0..4: gal, L, m^3, mL, qt)": what an index outside its
/// list is refused with, naming every index that is accepted.
std::string outsideList(const std::string& arg, const char* what, int first, int count,
                        auto nameAt) {
    std::string s = messageSafe(arg, 60) + ": not a " + what + " of its list (" +
                    std::to_string(first) + ".." + std::to_string(first + count - 1) + ": ";
    for (int i = 0; i < count; ++i)
        s += (i ? ", " : "") + nameAt(i);
    return s + ")";
}

class Parser {
public:
    BatchParse parse(const std::vector<std::string>& args) {
        for (std::size_t i = 0; i < args.size() && result.error.empty(); ++i) {
            const std::string& a = args[i];
            if (const Option* o = findOption(a)) {
                if (o->value.empty()) {
                    option(o->name, {});
                } else if (i + 1 >= args.size()) {
                    fail(quote(a) + " needs a value");
                    break;
                } else {
                    option(o->name, args[++i]);
                }
            } else if (a.rfind("-", 0) == 0) {
                std::string accepted;
                for (const Option& o : options()) {
                    accepted.append(accepted.empty() ? "" : ", ").append(o.name);
                    if (!o.value.empty())
                        accepted.append(" ").append(o.value);
                }
                fail("unknown option " + quote(a) + "; accepted: " + accepted);
            } else {
                assignments.push_back(a); // after the design files, whatever the order
            }
        }
        for (std::size_t k = 0; k < assignments.size() && result.error.empty(); ++k)
            assignment(assignments[k]);
        if (result.error.empty())
            resolveVariableUnits();
        if (result.error.empty())
            fail(finishComparisonOptions(result.options, pendingTrace, result.notes));
        return result;
    }

private:
    void fail(std::string message) {
        if (result.error.empty() && !message.empty())
            result.error = std::move(message);
    }

    void option(std::string_view name, const std::string& value) {
        if (std::string error;
            takeComparisonOption(name, value, result.options, pendingTrace, error)) {
            fail(error);
        } else if (name == "--summary") {
            result.options.summary = true;
        } else if (name == "--rocket" || name == "--site") {
            const DesignKind kind = name == "--rocket" ? DesignKind::Rocket : DesignKind::Site;
            const DesignRead design = readDesignFile(kind, value);
            if (!design.ok)
                return fail(design.error);
            copyGroup(kind == DesignKind::Rocket ? FieldGroup::Rocket : FieldGroup::Environment,
                      design.inputs, result.options.inputs);
            result.notes.insert(result.notes.end(), design.notes.begin(), design.notes.end());
        } else if (name == "--flight") {
            const FlightRead flight = readFlightFile(value);
            if (!flight.ok)
                return fail(flight.error);
            result.options.inputs = flight.inputs;
            result.options.settings = flight.settings;
            result.options.description = flight.description;
            result.options.flightName = fileLabel(value);
            result.notes.insert(result.notes.end(), flight.notes.begin(), flight.notes.end());
        } else if (name == "--save-flight") {
            result.options.saveFlight = value;
        } else if (name == "--save-rocket") {
            result.options.saveRocket = value;
        } else if (name == "--save-site") {
            result.options.saveSite = value;
        } else if (name == "--help") {
            result.options.help = true;
        } else if (name == "--version") {
            result.options.version = true;
        } else if (name == "--list") {
            result.options.list = true;
        } else if (name == "--max-time") {
            const std::optional<double> v = parseNumber(value);
            if (!v || *v <= 0)
                return fail("--max-time " + quote(value) +
                            ": expected a number of seconds greater than 0");
            result.options.maxTime = *v;
        } else if (name == "--threads") {
            const std::optional<int> n = parseInteger(value);
            if (!n || *n < 1 || *n > 1024)
                return fail("--threads " + quote(value) +
                            ": expected a whole number from 1 to 1024");
            result.options.threads = *n;
        } else if (name == "--png") {
            result.options.pngFile = value;
        } else {
            const auto x = value.find('x');
            const std::optional<int> w = parseInteger(value.substr(0, x));
            const std::optional<int> h =
                x == std::string::npos ? std::nullopt : parseInteger(value.substr(x + 1));
            if (!w || !h || *w < 100 || *h < 100 || *w > 10000 || *h > 10000)
                return fail("--size " + quote(value) +
                            ": expected WIDTHxHEIGHT, each from 100 to 10000 pixels");
            result.options.pngWidth = *w;
            result.options.pngHeight = *h;
        }
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
            result.options.inputs.*std::get<InputText>(f->member) = value;
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
            result.options.inputs.*(*m) = v;
        else
            result.options.settings.*std::get<SettingNumber>(f.member) = v;
    }

    void storeInt(const Field& f, int v) {
        if (auto m = std::get_if<InputInt>(&f.member))
            result.options.inputs.*(*m) = v;
        else
            setSettingInt(f, result.options.settings, v);
    }

    /// The whole-number setting a field pairs with (a variable's unit, a unit's variable);
    /// the field table's own test holds that every pairing names such a setting.
    int& settingInt(std::string_view name) {
        const Field* f = findField(name);
        const SettingInt* member = f ? std::get_if<SettingInt>(&f->member) : nullptr;
        if (!member)
            std::abort();
        return result.options.settings.**member;
    }

    void familyUnit(const Field& f, const std::string& arg, const std::string& value) {
        const bool percent = f.kind == Kind::PercentUnit;
        const UnitFamily family = percent ? UnitFamily::Volume : f.family;
        const int count = unitCount(family) + (percent ? 1 : 0);
        auto nameAt = [&](int i) {
            return percent && i == kPercentUnit ? std::string("%")
                                                : std::string(unitNames(family)[std::size_t(i)]);
        };
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
        const int first = listFirst(f.list);
        const int size = listSize(f.list);
        auto nameAt = [&](int i) { return std::string(variableInfo(first + i).name); };
        int id = -1;
        for (int i = 0; i < size && id < 0; ++i) {
            if (nameAt(i) == value)
                id = first + i;
        }
        if (id < 0) {
            const std::optional<int> number = parseInteger(value);
            if (!number)
                return fail(quote(arg) + ": unknown variable " + quote(value) +
                            "; accepted: " + joinNames(size, nameAt) + " or a VariableId");
            id = *number;
            if (!inList(id, f.list))
                return fail(
                    outsideList(arg, "variable", first, size, [&](int i) { return nameAt(i); }));
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
    PendingTrace pendingTrace;
    std::vector<std::string> assignments;
    BatchParse result;
};

} // namespace

BatchParse parseBatchArguments(const std::vector<std::string>& args) {
    return Parser().parse(args);
}

} // namespace hydrolofter
