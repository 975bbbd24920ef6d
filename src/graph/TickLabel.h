// Axis tick labels in the 4-significant-digit form the graphs have always shown.
#pragma once

#include <string>

namespace hydrolofter {

/// "0.", "5.", "2.5", "100.", "1000", "-40.", "0.3333", "5.e-002", "2.e+004": 4 significant
/// digits, halves away from zero, trailing zeros dropped; exponent form below 0.1 and from
/// 10000 on, judged after rounding.
std::string formatTickLabel(double value);

/// The value of tick i of ticks on an axis from min to max. A value that should be 0 but
/// carries rounding error (smaller than 1e-9 of the range) is 0.
double tickValue(double min, double max, int i, int ticks);

} // namespace hydrolofter
