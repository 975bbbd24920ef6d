#include "Flight.h"

#include "DesignJson.h"
#include "JsonText.h"
#include "MessageText.h"
#include "runs/FieldTable.h"
#include "units/VariableCatalog.h"

#include <cmath>
#include <cstdint>

namespace hydrolofter {
namespace {

using Json = nlohmann::json;
using OrderedJson = nlohmann::ordered_json;

constexpr std::string_view kFormat = "hydrolofter-flight";
constexpr int kVersion = 1;

struct Part {
    const char* key;
    DesignKind kind;
};
constexpr Part kParts[] = {
    {"rocket", DesignKind::Rocket}, {"site", DesignKind::Site}, {"launch", DesignKind::Launch}};

/// The largest value a whole-number setting takes.
int largestChoice(const Field& f) {
    return f.name == "precision" ? kMaxPrecision : choiceCount(f) - 1;
}

class Reader {
public:
    explicit Reader(const std::string& fileName) : file_(fileName) {}

    FlightRead read(std::string_view text) {
        std::string error;
        std::vector<std::string> keys;
        const std::optional<Json> root = parseStrictJson(text, kMaxDesignBytes, error, &keys);
        if (!root)
            return fail("", error);
        if (!root->is_object())
            return fail("", "is not a flight: its JSON is not an object");
        const auto format = root->find("format");
        if (format == root->end() || !format->is_string() || format->get<std::string>() != kFormat)
            return fail("format", "missing or not \"hydrolofter-flight\": this is not a flight");
        const auto version = root->find("version");
        if (version == root->end() || !version->is_number_integer() ||
            version->get<long long>() < 1)
            return fail("version", "missing or not a whole number from 1");
        if (version->get<long long>() > kVersion)
            return fail("version", "the file was written by a newer Hydrolofter (version " +
                                       std::to_string(version->get<long long>()) +
                                       "); this one reads version " + std::to_string(kVersion));
        if (const auto d = root->find("description"); d != root->end()) {
            const std::string problem = d->is_string()
                                            ? descriptionProblem(d->get_ref<const std::string&>())
                                            : "must be text";
            if (!problem.empty())
                return fail("description", problem);
            result_.description = d->get<std::string>();
        }
        for (const Part& part : kParts) {
            const auto it = root->find(part.key);
            if (it == root->end()) {
                result_.notes.push_back(file_ + ": there is no " + part.key +
                                        "; it keeps the defaults.");
                continue;
            }
            const DesignRead design = parseDesignObject(part.kind, *it, file_ + ": " + part.key);
            if (!design.ok)
                return fail("", design.error, true);
            copyGroup(part.kind == DesignKind::Rocket ? FieldGroup::Rocket
                      : part.kind == DesignKind::Site ? FieldGroup::Environment
                                                      : FieldGroup::Launch,
                      design.inputs, result_.inputs);
            result_.notes.insert(result_.notes.end(), design.notes.begin(), design.notes.end());
        }
        if (const auto s = root->find("settings"); s == root->end()) {
            result_.notes.push_back(file_ + ": there are no settings; they keep the defaults.");
        } else if (!s->is_object()) {
            return fail("settings", "must be an object");
        } else if (!readSettings(*s)) {
            return result_;
        }
        std::vector<std::string> unknown;
        for (const std::string& key : keys) {
            const bool part = key == "rocket" || key == "site" || key == "launch";
            if (!part && key != "format" && key != "version" && key != "description" &&
                key != "settings")
                unknown.push_back(key);
        }
        if (!unknown.empty())
            result_.notes.push_back(
                file_ + ": unknown entries were passed over: " + shortList(unknown) + ".");
        result_.ok = true;
        return result_;
    }

private:
    FlightRead fail(std::string_view field, const std::string& what, bool whole = false) {
        result_ = {};
        if (whole) // a part's reader has named the file and the field already
            result_.error = what;
        else
            result_.error =
                file_ + ": " + (field.empty() ? "" : std::string(field) + ": ") + what + ".";
        return result_;
    }

    bool readSettings(const Json& object) {
        RunSettings& s = result_.settings;
        std::vector<std::string> missing, unknown;
        for (const Field& f : fields()) {
            if (f.group != FieldGroup::Settings)
                continue;
            const auto it = object.find(std::string(f.name));
            if (it == object.end()) {
                missing.emplace_back(f.name);
                continue;
            }
            const std::string where = "settings: " + std::string(f.name);
            if (f.kind == FieldKind::Number) {
                if (!it->is_number() || !std::isfinite(it->get<double>())) {
                    fail(where, "must be a finite number");
                    return false;
                }
                s.*std::get<SettingNumber>(f.member) = it->get<double>();
            } else if (f.kind == FieldKind::Integer) {
                const int largest = largestChoice(f);
                const int smallest = f.name == "precision" ? kMinPrecision : 0;
                if (!it->is_number_integer() || it->get<std::int64_t>() < smallest ||
                    it->get<std::int64_t>() > largest) {
                    fail(where, "must be a whole number from " + std::to_string(smallest) + " to " +
                                    std::to_string(largest));
                    return false;
                }
                setSettingInt(f, s, int(it->get<std::int64_t>()));
            } else if (f.kind == FieldKind::Variable) {
                const std::vector<std::string> names = variableNames(f.list);
                const int index = indexOf(*it, names);
                if (index < 0) {
                    fail(where, "must be one of " + shortList(names, names.size()));
                    return false;
                }
                setSettingInt(f, s, variableAt(f.list, index));
            } else if (f.kind == FieldKind::VariableUnit) {
                const VariableId v = settingInt(*findField(f.paired), s);
                const std::vector<std::string> names = variableUnitNames(v);
                const int index = indexOf(*it, names);
                if (index < 0) {
                    fail(where, "must be a unit of " + std::string(variableInfo(v).name) + ": " +
                                    shortList(names, names.size()));
                    return false;
                }
                setSettingInt(f, s, index);
            }
        }
        for (const auto& entry : object.items()) {
            const Field* f = findField(entry.key());
            if (!f || f->group != FieldGroup::Settings)
                unknown.push_back(entry.key());
        }
        if (!missing.empty())
            result_.notes.push_back(file_ + ": these settings were missing and keep their " +
                                    "defaults: " + shortList(missing, missing.size()) + ".");
        if (!unknown.empty())
            result_.notes.push_back(
                file_ + ": unknown settings were passed over: " + shortList(unknown) + ".");
        return true;
    }

    static int indexOf(const Json& v, const std::vector<std::string>& names) {
        if (!v.is_string())
            return -1;
        for (std::size_t i = 0; i < names.size(); ++i) {
            if (names[i] == v.get_ref<const std::string&>())
                return int(i);
        }
        return -1;
    }

    std::string file_;
    FlightRead result_;
};

} // namespace

std::string flightText(const SimulationInputs& inputs, const RunSettings& s,
                       const std::string& description) {
    OrderedJson root;
    root["format"] = std::string(kFormat);
    root["version"] = kVersion;
    root["description"] = description;
    for (const Part& part : kParts)
        root[part.key] = designObject(part.kind, inputs);
    OrderedJson settings = OrderedJson::object();
    for (const Field& f : fields()) {
        if (f.group != FieldGroup::Settings)
            continue;
        const std::string key(f.name);
        if (f.kind == FieldKind::Number)
            settings[key] = s.*std::get<SettingNumber>(f.member);
        else if (f.kind == FieldKind::Variable)
            settings[key] = isValidVariable(settingInt(f, s))
                                ? std::string(variableInfo(settingInt(f, s)).name)
                                : std::string("?");
        else if (f.kind == FieldKind::VariableUnit)
            settings[key] = unitName(settingInt(*findField(f.paired), s), settingInt(f, s));
        else
            settings[key] = settingInt(f, s);
    }
    root["settings"] = settings;
    return root.dump(2, ' ', false, OrderedJson::error_handler_t::replace) + "\n";
}

FlightRead parseFlight(std::string_view text, const std::string& fileName) {
    return Reader(fileName).read(text);
}

FlightRead readFlightFile(const std::string& path, bool regularOnly) {
    return readWholeFile<FlightRead>(path, kMaxDesignBytes, regularOnly, parseFlight);
}

} // namespace hydrolofter
