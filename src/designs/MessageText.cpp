#include "MessageText.h"

#include <cstdio>

namespace hydrolofter {
namespace {

/// The length of the well-formed UTF-8 sequence at text[i], or 0 when it is not one.
std::size_t sequenceLength(std::string_view text, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char b = byte(i);
    if (b < 0x80)
        return 1;
    std::size_t n = 0;
    unsigned lo = 0x80, hi = 0xbf; // the second byte's range excludes overlongs and surrogates
    if (b >= 0xc2 && b <= 0xdf)
        n = 2;
    else if (b >= 0xe0 && b <= 0xef) {
        n = 3;
        lo = b == 0xe0 ? 0xa0 : 0x80;
        hi = b == 0xed ? 0x9f : 0xbf;
    } else if (b >= 0xf0 && b <= 0xf4) {
        n = 4;
        lo = b == 0xf0 ? 0x90 : 0x80;
        hi = b == 0xf4 ? 0x8f : 0xbf;
    } else
        return 0;
    if (i + n > text.size() || byte(i + 1) < lo || byte(i + 1) > hi)
        return 0;
    for (std::size_t k = 2; k < n; ++k) {
        if (byte(i + k) < 0x80 || byte(i + k) > 0xbf)
            return 0;
    }
    return n;
}

} // namespace

bool isValidUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n = sequenceLength(text, i);
        if (n == 0)
            return false;
        i += n;
    }
    return true;
}

std::string messageSafe(std::string_view text, std::size_t maxChars) {
    std::string out;
    std::size_t chars = 0;
    for (std::size_t i = 0; i < text.size(); ++chars) {
        if (chars == maxChars)
            return out.append("…");
        const std::size_t n = sequenceLength(text, i);
        const auto b = static_cast<unsigned char>(text[i]);
        if (n == 0 || b < 0x20 || b == 0x7f ||
            (n == 2 && b == 0xc2 && static_cast<unsigned char>(text[i + 1]) < 0xa0)) {
            // Not UTF-8, or a C0/C1 control character: shown, never obeyed.
            for (std::size_t k = 0; k < (n ? n : 1); ++k) {
                char escaped[5];
                std::snprintf(escaped, sizeof escaped, "\\x%02x",
                              static_cast<unsigned char>(text[i + k]));
                out += escaped;
            }
            i += n ? n : 1;
            continue;
        }
        out.append(text.substr(i, n));
        i += n;
    }
    return out;
}

std::string shortList(const std::vector<std::string>& entries, std::size_t shown) {
    return shortList(entries, shown, entries.size());
}

std::string quotedArgument(const std::string& arg) {
    std::string quoted(1, '\'');
    return quoted.append(messageSafe(arg, 60)).append(1, '\''); // appended: GCC 12 -Wrestrict
}

std::string shortList(const std::vector<std::string>& entries, std::size_t shown,
                      std::size_t total) {
    std::string s;
    for (std::size_t i = 0; i < entries.size() && i < shown; ++i)
        s.append(i ? ", " : "").append(messageSafe(entries[i]));
    if (total > shown) {
        // One format string, kept whole: pieces the compiler builds out of short literals
        // read as misspellings to the package checker.
        char tail[48];
        std::snprintf(tail, sizeof tail, " … and %zu more", total - shown);
        s.append(tail);
    }
    return s;
}

} // namespace hydrolofter
