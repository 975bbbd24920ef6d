// Compare a computed value with a number as printed in a worked example.
#pragma once

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <string>

namespace hydrolofter::test {

/// One unit in the last printed digit of text ("0.0155557" → 1e-7, "9.5033178e-3" → 1e-10).
/// Worked values are printed rounded (or cut), so a tolerance of one unit in the last digit
/// matches them without accepting a value that differs in an earlier digit.
inline double lastDigitUnit(const char* text) {
    const char* e = std::strpbrk(text, "eE");
    const std::string mantissa = e ? std::string(text, e) : std::string(text);
    const int exponent = e ? std::atoi(e + 1) : 0;
    const auto dot = mantissa.find('.');
    const int decimals = dot == std::string::npos ? 0 : int(mantissa.size() - dot - 1);
    return std::pow(10.0, exponent - decimals);
}

inline ::testing::AssertionResult matchesPrinted(double actual, const char* printed) {
    const double expected = std::strtod(printed, nullptr);
    const double tol = lastDigitUnit(printed);
    if (std::fabs(actual - expected) <= tol)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << actual << " is not " << printed << " (tolerance " << tol << ")";
}

} // namespace hydrolofter::test
