#include "TableText.h"

#include "JsonText.h"
#include "units/NumberText.h"

#include <algorithm>
#include <cctype>

namespace hydrolofter::tabletext {

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front())))
        s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back())))
        s.remove_suffix(1);
    if (s.size() >= 2 && s.front() == '"' && s.back() == '"')
        s = s.substr(1, s.size() - 2);
    return s;
}

std::vector<std::string_view> split(std::string_view line, char separator) {
    std::vector<std::string_view> fields;
    if (separator == ' ') {
        std::size_t i = 0;
        while (i < line.size() && fields.size() <= kMaxFields) {
            while (i < line.size() && std::isspace(static_cast<unsigned char>(line[i])))
                ++i;
            const std::size_t start = i;
            while (i < line.size() && !std::isspace(static_cast<unsigned char>(line[i])))
                ++i;
            if (i > start)
                fields.push_back(trimmed(line.substr(start, i - start)));
        }
        return fields;
    }
    std::size_t start = 0;
    while (fields.size() <= kMaxFields) {
        const std::size_t end = line.find(separator, start);
        fields.push_back(trimmed(line.substr(start, end - start)));
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
    return fields;
}

char separatorOf(std::string_view line) {
    return line.find('\t') != std::string_view::npos  ? '\t'
           : line.find(';') != std::string_view::npos ? ';'
           : line.find(',') != std::string_view::npos ? ','
                                                      : ' ';
}

std::string separatorName(char separator) {
    return separator == '\t' ? "tabs" : separator == ' ' ? "blanks" : inQuotes({&separator, 1});
}

std::optional<double> number(std::string_view field, char separator) {
    if (field.size() > 64)
        return std::nullopt; // no number is written so long
    std::string text(field);
    if (separator != ',')
        std::replace(text.begin(), text.end(), ',', '.');
    return parseDecimal(text);
}

std::vector<std::string> words(std::string_view name) {
    std::vector<std::string> out(1);
    for (const char c : name) {
        if (std::isalnum(static_cast<unsigned char>(c)))
            out.back() += char(std::tolower(static_cast<unsigned char>(c)));
        else if (!out.back().empty())
            out.emplace_back();
    }
    if (out.back().empty())
        out.pop_back();
    return out;
}

bool hasWord(std::string_view name, std::initializer_list<std::string_view> wanted) {
    for (const std::string& w : words(name))
        for (const std::string_view x : wanted)
            if (w == x)
                return true;
    return false;
}

bool holds(std::string_view name, std::string_view part) {
    for (const std::string& w : words(name))
        if (w.find(part) != std::string::npos)
            return true;
    return false;
}

} // namespace hydrolofter::tabletext
