// Text from files and arguments, made safe to quote in a message.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace hydrolofter {

/// True when text is well-formed UTF-8 (what a design file's JSON may hold).
bool isValidUtf8(std::string_view text);

/// Text as a message may show it: control characters and bytes that are not UTF-8 as
/// \xNN escapes (so that a file cannot clear a terminal or retitle it), and cut after
/// maxChars characters with "…" so that a huge value cannot flood a message.
std::string messageSafe(std::string_view text, std::size_t maxChars = 40);

/// An argument as a message echoes it: in single quotes, made safe, a long one cut.
std::string quotedArgument(const std::string& arg);

/// The first few entries, comma-separated, then "… and N more" for the rest.
std::string shortList(const std::vector<std::string>& entries, std::size_t shown = 10);
/// The same for a list of total entries of which only the first ones are at hand.
std::string shortList(const std::vector<std::string>& entries, std::size_t shown,
                      std::size_t total);

} // namespace hydrolofter
