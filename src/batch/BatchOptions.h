// The batch tool's options and exit statuses: one table each, read by the parser and printed
// by the usage text.
#pragma once

#include "runs/FieldTable.h"

#include <span>
#include <string>
#include <string_view>
#include <utility>

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

/// Each exit status with what it means, as the usage text and the manual list them.
std::span<const std::pair<int, std::string_view>> exitStatuses();

/// What a field holds (its units or choices) and its default, as --list shows it.
std::string describeField(const Field& field);

/// The manual page of hydrolofter-batch in roff, dated date (YYYY-MM-DD) and versioned.
std::string batchManual(std::string_view date, std::string_view version);

} // namespace hydrolofter
