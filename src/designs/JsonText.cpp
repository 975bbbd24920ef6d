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

namespace {

/// Builds the document as nlohmann's own reader does and watches the keys on the way. The
/// reader's callback interface is not used: it rescans the enclosing object or array after
/// every value it is handed, which made a file of many small objects take minutes.
class StrictReader {
public:
    using Json = nlohmann::json;
    explicit StrictReader(std::vector<std::string>* topKeys) : topKeys_(topKeys) {}

    Json root;
    std::string twice; // the first key met twice in one object

    bool null() { return dom_.null(); }
    bool boolean(bool v) { return dom_.boolean(v); }
    bool number_integer(Json::number_integer_t v) { return dom_.number_integer(v); }
    bool number_unsigned(Json::number_unsigned_t v) { return dom_.number_unsigned(v); }
    bool number_float(Json::number_float_t v, const std::string& s) {
        return dom_.number_float(v, s);
    }
    bool string(std::string& v) { return dom_.string(v); }
    bool binary(Json::binary_t& v) { return dom_.binary(v); }
    bool start_object(std::size_t n) {
        open_.emplace_back();
        return dom_.start_object(n);
    }
    bool key(std::string& k) {
        if (!open_.back().insert(k).second && twice.empty())
            twice = k;
        if (open_.size() == 1 && topKeys_)
            topKeys_->push_back(k);
        return dom_.key(k);
    }
    bool end_object() {
        open_.pop_back();
        return dom_.end_object();
    }
    bool start_array(std::size_t n) { return dom_.start_array(n); }
    bool end_array() { return dom_.end_array(); }
    template <class Exception>
    bool parse_error(std::size_t at, const std::string& token, const Exception& e) {
        return dom_.parse_error(at, token, e); // throws e
    }

private:
    std::vector<std::string>* topKeys_;
    std::vector<std::set<std::string>> open_; // the keys of each object being read
    nlohmann::detail::json_sax_dom_parser<Json> dom_{root, true};
};

} // namespace

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
    StrictReader reader(topKeys);
    try {
        Json::sax_parse(text, &reader);
    } catch (const Json::exception& e) {
        // "[json.exception.parse_error.101] parse error at line 3, column 5: …", or a
        // number too large for a double ("out_of_range.406").
        std::string what = e.what();
        if (const auto at = what.find("] "); at != std::string::npos)
            what = what.substr(at + 2);
        error = "is not JSON: " + messageSafe(what, 200);
        return std::nullopt;
    }
    const std::string& twice = reader.twice;
    if (!twice.empty()) {
        error = "the entry " + inQuotes(messageSafe(twice)) + " appears twice";
        return std::nullopt;
    }
    return std::move(reader.root);
}

} // namespace hydrolofter
