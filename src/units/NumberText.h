// Numbers as users type and read them: plain decimal text in the C locale.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace hydrolofter {

/// A finite decimal number ("110", "-9.806", " 0.3 ", "1e-3"); surrounding blanks are
/// fine. Hexadecimal, "inf", "nan", commas and anything else are not numbers here.
std::optional<double> parseDecimal(std::string_view text);

/// A whole decimal number that fits a 32-bit int ("12", "-3"); "1.5" is not one.
std::optional<int> parseWholeNumber(std::string_view text);

/// Up to 15 significant digits, without needless zeros: "110", "0.3", "-9.806".
std::string formatDecimal(double value);

/// Up to 6 significant digits, for values quoted in messages: "1638.4", "1e+06".
std::string formatShort(double value);

} // namespace hydrolofter
