// JSON text read strictly, as the program's files need: a size limit, no NUL, no key twice.
#pragma once

#include "FileAccess.h"

#include <nlohmann/json.hpp>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace hydrolofter {

/// The parsed text, or nullopt and error set to what is wrong (after "is not JSON: " or a
/// sentence of its own, without the file's name). topKeys gets the top-level object's keys
/// in file order. Duplicate keys are refused at any depth: a reader would keep one silently.
std::optional<nlohmann::json> parseStrictJson(std::string_view text, std::size_t maxBytes,
                                              std::string& error,
                                              std::vector<std::string>* topKeys = nullptr);

/// A file's name without its folder and without the suffix of our file kinds
/// (".flight.json", ".rocket.json", ".site.json", ".json"): what a legend calls it.
std::string fileLabel(const std::string& path);
/// "name" in double quotes, for messages.
std::string inQuotes(std::string_view s);

/// A file's name as messages quote it: its last part, made safe to show.
std::string fileNameForMessages(const std::string& path);

/// Reads a file once, whole (at most maxBytes), and gives its text and name to parse; a
/// file that cannot be read gives a Result whose error names it and says why.
template <class Result, class Parse>
Result readWholeFile(const std::string& path, std::size_t maxBytes, bool regularOnly, Parse parse) {
    const std::string name = fileNameForMessages(path);
    const FileText file = readFileText(path, maxBytes, regularOnly);
    if (!file.ok) {
        Result r;
        r.error = name + ": " + file.error + ".";
        return r;
    }
    return parse(file.text, name);
}

} // namespace hydrolofter
