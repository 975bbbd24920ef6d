#include "Design.h"

#include "DesignJson.h"
#include "JsonText.h"
#include "MessageText.h"
#include "runs/FieldTable.h"
#include "units/VariableCatalog.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <cstdint>

namespace hydrolofter {
namespace {

// Read into a map (an insertion-ordered object searches linearly on every insert, which a
// file of many keys turns quadratic); written in the field table's order.
using Json = nlohmann::json;
using OrderedJson = nlohmann::ordered_json;

constexpr int kVersion = 1;

constexpr DesignKind kKinds[] = {DesignKind::Rocket, DesignKind::Site, DesignKind::Launch};

std::string_view formatName(DesignKind kind) {
    switch (kind) {
    case DesignKind::Rocket:
        return "hydrolofter-rocket";
    case DesignKind::Site:
        return "hydrolofter-site";
    case DesignKind::Launch:
        break;
    }
    return "hydrolofter-launch";
}

FieldGroup groupOf(DesignKind kind) {
    switch (kind) {
    case DesignKind::Rocket:
        return FieldGroup::Rocket;
    case DesignKind::Site:
        return FieldGroup::Environment;
    case DesignKind::Launch:
        break;
    }
    return FieldGroup::Launch;
}

bool isUnitField(const Field& f) {
    return f.kind == FieldKind::FamilyUnit || f.kind == FieldKind::PercentUnit;
}

std::string joined(const std::vector<std::string>& names) {
    return shortList(names, names.size());
}

/// The reader: each check either stores a value or sets the one error.
class Reader {
public:
    /// No kind: the file's format says which (anything else is judged as a rocket).
    Reader(std::optional<DesignKind> kind, const std::string& fileName)
        : kind_(kind), file_(fileName) {}

    DesignRead read(std::string_view text) {
        std::string error;
        const std::optional<Json> parsed = parseStrictJson(text, kMaxDesignBytes, error, &order_);
        if (!parsed)
            return fail("", error);
        return read(*parsed);
    }

    /// A design that is part of a larger file, already parsed.
    DesignRead read(const Json& root) {
        if (!root.is_object())
            return fail("", "is not a design: its JSON is not an object");
        if (order_.empty()) // a part of a larger file: its keys, in the reader's order
            for (const auto& entry : root.items())
                order_.push_back(entry.key());
        if (!checkHeader(root))
            return result_;
        for (const Field& f : fields()) {
            if (f.group != groupOf(*kind_) || isUnitField(f))
                continue;
            const auto it = root.find(std::string(f.name));
            if (it == root.end()) {
                missing_.emplace_back(f.name);
                continue;
            }
            if (!readField(f, *it))
                return result_;
        }
        for (const std::string& key : order_) {
            if (key != "format" && key != "version" && !isKnown(key))
                unknown_.push_back(key);
        }
        if (!unknown_.empty())
            result_.notes.push_back(
                file_ + ": unknown entries were passed over: " + shortList(unknown_) + ".");
        if (!missing_.empty())
            result_.notes.push_back(file_ + ": these fields were missing and keep their " +
                                    "defaults: " + joined(missing_) + ".");
        result_.ok = true;
        result_.kind = *kind_;
        result_.inputs = inputs_;
        return result_;
    }

private:
    DesignRead fail(std::string_view field, const std::string& what) {
        result_ = {};
        result_.error =
            file_ + ": " + (field.empty() ? "" : std::string(field) + ": ") + what + ".";
        return result_;
    }

    bool checkHeader(const Json& root) {
        const auto format = root.find("format");
        if (format == root.end() || !format->is_string()) {
            fail("format", "missing: this is not a Hydrolofter design");
            return false;
        }
        const std::string f = format->get<std::string>();
        if (!kind_)
            kind_ = f == formatName(DesignKind::Site) ? DesignKind::Site : DesignKind::Rocket;
        if (f != formatName(*kind_)) {
            for (DesignKind other : kKinds) {
                if (f == formatName(other)) {
                    fail("format", "this is a " + std::string(designName(other)) + ", not a " +
                                       std::string(designName(*kind_)));
                    return false;
                }
            }
            fail("format", inQuotes(messageSafe(f)) + " is not a Hydrolofter design");
            return false;
        }
        const auto version = root.find("version");
        if (version == root.end() || !version->is_number_integer()) {
            fail("version", "missing or not a whole number");
            return false;
        }
        if (version->get<long long>() > kVersion) {
            fail("version", "the file was written by a newer Hydrolofter (version " +
                                std::to_string(version->get<long long>()) +
                                "); this one reads version " + std::to_string(kVersion));
            return false;
        }
        if (version->get<long long>() < 1) {
            fail("version", "must be 1");
            return false;
        }
        return true;
    }

    bool isKnown(const std::string& key) const {
        const Field* f = findField(key);
        return f && f->group == groupOf(*kind_) && !isUnitField(*f);
    }

    bool number(const Field& f, const Json& v, double& out) {
        if (!v.is_number()) {
            fail(f.name, "must be a number");
            return false;
        }
        out = v.get<double>();
        if (!std::isfinite(out)) {
            fail(f.name, "must be a finite number");
            return false;
        }
        return true;
    }

    bool readField(const Field& f, const Json& v) {
        switch (f.kind) {
        case FieldKind::Number: {
            double* target = &(inputs_.*std::get<InputNumber>(f.member));
            if (f.paired.empty())
                return number(f, v, *target);
            return numberWithUnit(f, v, *target);
        }
        case FieldKind::Integer: {
            // Read as unsigned, a number past 2^63 would wrap to a negative one.
            const bool fits = v.is_number_unsigned()
                                  ? v.get<std::uint64_t>() <= std::uint64_t(INT32_MAX)
                                  : v.is_number_integer() && v.get<std::int64_t>() >= INT32_MIN &&
                                        v.get<std::int64_t>() <= INT32_MAX;
            if (!fits) {
                fail(f.name, "must be a whole number from -2147483648 to 2147483647");
                return false;
            }
            if (const std::string problem = choiceProblem(f, v.get<std::int64_t>());
                !problem.empty()) {
                fail(f.name, problem);
                return false;
            }
            inputs_.*std::get<InputInt>(f.member) = int(v.get<std::int64_t>());
            return true;
        }
        case FieldKind::Text: {
            const std::string problem = v.is_string()
                                            ? descriptionProblem(v.get_ref<const std::string&>())
                                            : "must be text";
            if (!problem.empty()) {
                fail(f.name, problem);
                return false;
            }
            inputs_.*std::get<InputText>(f.member) = v.get<std::string>();
            return true;
        }
        default:
            return true; // units are read with their numbers; settings are not in designs
        }
    }

    bool numberWithUnit(const Field& f, const Json& v, double& value) {
        if (!v.is_object() || !v.contains("value") || !v.contains("unit")) {
            fail(f.name, "must be {\"value\": number, \"unit\": \"name\"}");
            return false;
        }
        if (!number(f, v["value"], value))
            return false;
        const Field* unit = findField(f.paired);
        const std::vector<std::string> names = unitNamesOf(*unit);
        if (!v["unit"].is_string()) {
            fail(f.name, "the unit must be one of " + joined(names));
            return false;
        }
        const std::string name = v["unit"].get<std::string>();
        for (std::size_t i = 0; i < names.size(); ++i) {
            if (names[i] == name) {
                inputs_.*std::get<InputInt>(unit->member) = int(i);
                return true;
            }
        }
        fail(f.name, "the unit " + inQuotes(messageSafe(name)) + " is not one of " + joined(names));
        return false;
    }

    std::optional<DesignKind> kind_;
    std::string file_;
    SimulationInputs inputs_;
    DesignRead result_;
    std::vector<std::string> order_; ///< the top-level keys in file order
    std::vector<std::string> unknown_;
    std::vector<std::string> missing_;
};

} // namespace

std::string_view designName(DesignKind kind) {
    switch (kind) {
    case DesignKind::Rocket:
        return "rocket";
    case DesignKind::Site:
        return "launch site";
    case DesignKind::Launch:
        break;
    }
    return "launch";
}

std::string designText(DesignKind kind, const SimulationInputs& in) {
    // Text that is not UTF-8 never gets this far (arguments and pages refuse it); should
    // any, it is written with replacement characters rather than aborting the program.
    return designObject(kind, in).dump(2, ' ', false, OrderedJson::error_handler_t::replace) + "\n";
}

DesignRead parseDesignObject(DesignKind kind, const nlohmann::json& object,
                             const std::string& fileName) {
    return Reader(kind, fileName).read(object);
}

nlohmann::ordered_json designObject(DesignKind kind, const SimulationInputs& in) {
    OrderedJson root;
    root["format"] = std::string(formatName(kind));
    root["version"] = kVersion;
    for (const Field& f : fields()) {
        if (f.group != groupOf(kind) || isUnitField(f))
            continue;
        const std::string key(f.name);
        switch (f.kind) {
        case FieldKind::Number: {
            const double value = in.*std::get<InputNumber>(f.member);
            if (f.paired.empty()) {
                root[key] = value;
            } else {
                const Field* unit = findField(f.paired);
                const int index = in.*std::get<InputInt>(unit->member);
                const std::vector<std::string> names = unitNamesOf(*unit);
                OrderedJson entry;
                entry["value"] = value;
                entry["unit"] = index >= 0 && std::size_t(index) < names.size()
                                    ? names[std::size_t(index)]
                                    : std::string("?");
                root[key] = entry;
            }
            break;
        }
        case FieldKind::Integer:
            root[key] = in.*std::get<InputInt>(f.member);
            break;
        case FieldKind::Text:
            root[key] = in.*std::get<InputText>(f.member);
            break;
        default:
            break;
        }
    }
    return root;
}

DesignRead parseDesign(std::optional<DesignKind> kind, std::string_view text,
                       const std::string& fileName) {
    return Reader(kind, fileName).read(text);
}

std::string descriptionProblem(std::string_view text) {
    if (!isValidUtf8(text))
        return "is not UTF-8 text";
    std::size_t chars = 0;
    for (char c : text)
        chars += (static_cast<unsigned char>(c) & 0xc0) != 0x80;
    if (chars > kMaxDescriptionChars)
        return "is longer than " + std::to_string(kMaxDescriptionChars) +
               " characters, the most a description holds";
    return {};
}

DesignRead readDesignFile(std::optional<DesignKind> kind, const std::string& path,
                          bool regularOnly) {
    return readWholeFile<DesignRead>(path, kMaxDesignBytes, regularOnly,
                                     [&](const std::string& text, const std::string& name) {
                                         return parseDesign(kind, text, name);
                                     });
}

} // namespace hydrolofter
