// Numbers as typed and shown: which texts are numbers, and the text a number is shown as.
#include "units/NumberText.h"

#include <gtest/gtest.h>
#include <optional>

namespace hydrolofter {
namespace {

TEST(NumberText, AcceptedAndRefusedDecimals) {
    const std::pair<const char*, std::optional<double>> cases[] = {
        {"110", 110},
        {"-9.806", -9.806},
        {" 0.3 ", 0.3},
        {"\t1e-3\n", 0.001},
        {"+2", 2},
        {".5", 0.5},
        {"5.", 5},
        {"1E2", 100},
        {"", std::nullopt},
        {"  ", std::nullopt},
        {"abc", std::nullopt},
        {"1,5", std::nullopt},
        {"0x10", std::nullopt},
        {"inf", std::nullopt},
        {"nan", std::nullopt},
        {"1e999", std::nullopt},
        {"--3", std::nullopt},
        {"1 2", std::nullopt},
        {"2L", std::nullopt},
        {"e5", std::nullopt},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(parseDecimal(text), expected) << "'" << text << "'";
}

TEST(NumberText, WholeNumbersFitAnInt) {
    const std::pair<const char*, std::optional<int>> cases[] = {
        {"12", 12},
        {"-3", -3},
        {"2147483647", 2147483647},
        {"1e2", 100},
        {"1.5", std::nullopt},
        {"2147483648", std::nullopt},
        {"-2147483648", std::nullopt},
        {"x", std::nullopt},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(parseWholeNumber(text), expected) << "'" << text << "'";
}

TEST(NumberText, ShownWithoutNeedlessDigitsAndReadBackTheSame) {
    const std::pair<double, const char*> shown[] = {
        {110, "110"},
        {-9.806, "-9.806"},
        {0.3, "0.3"},
        {0.001, "0.001"},
        {1e-7, "1e-07"},
        {123456789012345, "123456789012345"},
        {1.0 / 3, "0.333333333333333"},
    };
    for (const auto& [value, text] : shown) {
        EXPECT_EQ(formatDecimal(value), text);
        // Fifteen digits: a value typed with at most fifteen comes back to the bit.
        if (value != 1.0 / 3) {
            EXPECT_EQ(parseDecimal(formatDecimal(value)), value) << text;
        }
    }
    EXPECT_EQ(formatShort(1638.3999999999), "1638.4");
    EXPECT_EQ(formatShort(1e6), "1e+06");
    EXPECT_EQ(formatShort(-0.000123456789), "-0.000123457");
}

} // namespace
} // namespace hydrolofter
