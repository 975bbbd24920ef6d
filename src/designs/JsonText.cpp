#include "JsonText.h"

#include "MessageText.h"

#include <set>

namespace hydrolofter {

std::string inQuotes(std::string_view s) {
    std::string q(1, '"');
    return q.append(s).append(1, '"'); // appended: GCC 12 warns wrongly on "x" + string
}

std::string fileNameForMessages(const std::string& path) {
    std::string name = path;
    if (const auto slash = name.find_last_of('/'); slash != std::string::npos)
        name.erase(0, slash + 1);
    return messageSafe(name, 200);
}

std::string fileLabel(const std::string& path) {
    std::string name = fileNameForMessages(path);
    for (const std::string_view suffix : {".flight.json", ".rocket.json", ".site.json", ".json"}) {
        if (name.size() > suffix.size() && name.ends_with(suffix)) {
            name.resize(name.size() - suffix.size());
            break;
        }
    }
    return name;
}

std::optional<nlohmann::json> parseStrictJson(std::string_view text, std::size_t maxBytes,
                                              std::string& error,
                                              std::vector<std::string>* topKeys) {
    using Json = nlohmann::json;
    if (text.size() > maxBytes) {
        error = "is larger than " + std::to_string(maxBytes >> 20) + " MiB";
        return std::nullopt;
    }
    // The JSON reader would stop at a NUL as if the text ended there.
    if (const auto nul = text.find('\0'); nul != std::string_view::npos) {
        error = "is not JSON: a NUL byte at offset " + std::to_string(nul);
        return std::nullopt;
    }
    std::vector<std::set<std::string>> open; // the keys of each object being read
    std::string twice;
    auto watch = [&](int, Json::parse_event_t event, Json& parsed) {
        if (event == Json::parse_event_t::object_start) {
            open.emplace_back();
        } else if (event == Json::parse_event_t::object_end) {
            open.pop_back();
        } else if (event == Json::parse_event_t::key) {
            const auto& key = parsed.get_ref<const std::string&>();
            if (!open.back().insert(key).second && twice.empty())
                twice = key;
            if (open.size() == 1 && topKeys)
                topKeys->push_back(key);
        }
        return true;
    };
    Json root;
    try {
        root = Json::parse(text, watch);
    } catch (const Json::exception& e) {
        // "[json.exception.parse_error.101] parse error at line 3, column 5: …", or a
        // number too large for a double ("out_of_range.406").
        std::string what = e.what();
        if (const auto at = what.find("] "); at != std::string::npos)
            what = what.substr(at + 2);
        error = "is not JSON: " + messageSafe(what, 200);
        return std::nullopt;
    }
    if (!twice.empty()) {
        error = "the entry " + inQuotes(messageSafe(twice)) + " appears twice";
        return std::nullopt;
    }
    return root;
}

} // namespace hydrolofter
