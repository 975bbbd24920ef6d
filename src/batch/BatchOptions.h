// The batch tool's options and exit statuses: one table each, read by the parser and printed
// by the usage text.
#pragma once

#include <span>
#include <string_view>

namespace hydrolofter {

struct Option {
    std::string_view name;
    std::string_view value; ///< what follows it; empty for a switch
    std::string_view help;
};

/// The options, in the order the usage text lists them.
std::span<const Option> options();
/// The option of that name ("-h" is "--help"), or nullptr.
const Option* findOption(std::string_view name);

} // namespace hydrolofter
