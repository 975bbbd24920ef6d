// Strict decimal parsing: strtod alone would accept hex, "inf", "nan" and trailing junk.
#include "NumberText.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace hydrolofter {
namespace {

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

} // namespace

std::optional<double> parseDecimal(std::string_view text) {
    const std::string t(trimmed(text));
    if (t.empty() || t.find_first_not_of("0123456789+-.eE") != std::string::npos)
        return std::nullopt;
    // strtod reads the C locale's decimal point: the program never changes LC_NUMERIC.
    char* end = nullptr;
    const double v = std::strtod(t.c_str(), &end);
    if (end != t.c_str() + t.size() || !std::isfinite(v))
        return std::nullopt;
    return v;
}

std::optional<int> parseWholeNumber(std::string_view text) {
    const std::optional<double> v = parseDecimal(text);
    if (!v || *v != std::trunc(*v) || std::fabs(*v) > 2147483647.0)
        return std::nullopt;
    return static_cast<int>(*v);
}

namespace {
std::string format(const char* pattern, double value) {
    char buf[32];
    std::snprintf(buf, sizeof buf, pattern, value);
    return buf;
}
} // namespace

std::string formatDecimal(double value) {
    return format("%.15g", value);
}

std::string formatShort(double value) {
    return format("%.6g", value);
}

} // namespace hydrolofter
