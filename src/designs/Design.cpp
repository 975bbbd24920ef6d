#include "Design.h"

#include "runs/FieldTable.h"
#include "units/VariableCatalog.h"

#include <nlohmann/json.hpp>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace hydrolofter {
namespace {

using Json = nlohmann::ordered_json;

constexpr int kVersion = 1;

std::string_view formatName(DesignKind kind) {
    return kind == DesignKind::Rocket ? "hydrolofter-rocket" : "hydrolofter-site";
}

FieldGroup groupOf(DesignKind kind) {
    return kind == DesignKind::Rocket ? FieldGroup::Rocket : FieldGroup::Environment;
}

bool isUnitField(const Field& f) {
    return f.kind == FieldKind::FamilyUnit || f.kind == FieldKind::PercentUnit;
}

/// The unit names a unit field may hold, in list order.
std::vector<std::string> unitNamesOf(const Field& unit) {
    std::vector<std::string> names;
    for (std::string_view n : unitNames(unit.family))
        names.emplace_back(n);
    if (unit.kind == FieldKind::PercentUnit)
        names.emplace_back("%");
    return names;
}

std::string joined(const std::vector<std::string>& names) {
    std::string s;
    for (const std::string& n : names)
        s += (s.empty() ? "" : ", ") + n;
    return s;
}

std::string inQuotes(std::string_view s) {
    std::string q(1, '"');
    return q.append(s).append(1, '"'); // appended: GCC 12 warns wrongly on "x" + string
}

/// The reader: each check either stores a value or sets the one error.
class Reader {
public:
    Reader(DesignKind kind, const std::string& fileName) : kind_(kind), file_(fileName) {}

    DesignRead read(std::string_view text) {
        if (text.size() > kMaxDesignBytes)
            return fail("", "is larger than 1 MiB");
        Json root;
        try {
            root = Json::parse(text);
        } catch (const Json::exception& e) {
            // "[json.exception.parse_error.101] parse error at line 3, column 5: …", or a
            // number too large for a double ("out_of_range.406").
            std::string what = e.what();
            if (const auto at = what.find("] "); at != std::string::npos)
                what = what.substr(at + 2);
            return fail("", "is not JSON: " + what);
        }
        if (!root.is_object())
            return fail("", "is not a design: its JSON is not an object");
        if (!checkHeader(root))
            return result_;
        for (const Field& f : fields()) {
            if (f.group != groupOf(kind_) || isUnitField(f))
                continue;
            const auto it = root.find(std::string(f.name));
            if (it == root.end()) {
                missing_.emplace_back(f.name);
                continue;
            }
            if (!readField(f, *it))
                return result_;
        }
        for (const auto& [key, value] : root.items()) {
            if (key != "format" && key != "version" && !isKnown(key))
                unknown_.push_back(key);
        }
        if (!unknown_.empty())
            result_.notes.push_back(
                file_ + ": unknown entries were passed over: " + joined(unknown_) + ".");
        if (!missing_.empty())
            result_.notes.push_back(file_ + ": these fields were missing and keep their " +
                                    "defaults: " + joined(missing_) + ".");
        result_.ok = true;
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
        if (f != formatName(kind_)) {
            const DesignKind other =
                kind_ == DesignKind::Rocket ? DesignKind::Site : DesignKind::Rocket;
            if (f == formatName(other))
                fail("format", "this is a " + std::string(designName(other)) + ", not a " +
                                   std::string(designName(kind_)));
            else
                fail("format", inQuotes(f) + " is not a Hydrolofter design");
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
        return f && f->group == groupOf(kind_) && !isUnitField(*f);
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
            if (!v.is_number_integer() || v.get<long long>() < INT32_MIN ||
                v.get<long long>() > INT32_MAX) {
                fail(f.name, "must be a whole number");
                return false;
            }
            inputs_.*std::get<InputInt>(f.member) = int(v.get<long long>());
            return true;
        }
        case FieldKind::Text:
            if (!v.is_string()) {
                fail(f.name, "must be text");
                return false;
            }
            inputs_.*std::get<InputText>(f.member) = v.get<std::string>();
            return true;
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
        fail(f.name, "the unit " + inQuotes(name) + " is not one of " + joined(names));
        return false;
    }

    DesignKind kind_;
    std::string file_;
    SimulationInputs inputs_;
    DesignRead result_;
    std::vector<std::string> unknown_;
    std::vector<std::string> missing_;
};

} // namespace

std::string_view designName(DesignKind kind) {
    return kind == DesignKind::Rocket ? "rocket" : "launch site";
}

std::string designText(DesignKind kind, const SimulationInputs& in) {
    Json root;
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
                Json entry;
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
    return root.dump(2) + "\n";
}

DesignRead parseDesign(DesignKind kind, std::string_view text, const std::string& fileName) {
    return Reader(kind, fileName).read(text);
}

DesignRead readDesignFile(DesignKind kind, const std::string& path) {
    const std::string name = std::filesystem::path(path).filename().string();
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        DesignRead r;
        r.error = name + ": cannot be opened: " + std::strerror(errno) + ".";
        return r;
    }
    std::string text;
    char buffer[65536];
    while (file.read(buffer, sizeof buffer) || file.gcount() > 0) {
        text.append(buffer, std::size_t(file.gcount()));
        if (text.size() > kMaxDesignBytes) {
            DesignRead r;
            r.error = name + ": is larger than 1 MiB.";
            return r;
        }
    }
    return parseDesign(kind, text, name);
}

std::string writeFileAtomically(const std::string& path, std::string_view text) {
    namespace fs = std::filesystem;
    const fs::path target(path);
    if (fs::is_directory(target))
        return path + " is a folder";
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    std::string name(1, '.');
    name.append(target.filename().string()).append(".XXXXXX");
    std::string temp = (folder / name).string();
    const int fd = mkstemp(temp.data());
    if (fd < 0)
        return std::string("cannot write in ") + folder.string() + ": " + std::strerror(errno);
    auto failWith = [&](const char* what) {
        const std::string reason = std::string(what) + ": " + std::strerror(errno);
        ::close(fd);
        ::unlink(temp.c_str());
        return reason;
    };
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t n = ::write(fd, text.data() + written, text.size() - written);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return failWith("cannot write");
        }
        written += std::size_t(n);
    }
    // Same permissions as a file the user creates (mkstemp makes it private).
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    if (::fsync(fd) != 0)
        return failWith("cannot flush to disk");
    if (::close(fd) != 0) {
        const std::string reason = std::string("cannot write: ") + std::strerror(errno);
        ::unlink(temp.c_str());
        return reason;
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        const std::string reason =
            std::string("cannot replace ") + path + ": " + std::strerror(errno);
        ::unlink(temp.c_str());
        return reason;
    }
    return {};
}

} // namespace hydrolofter
