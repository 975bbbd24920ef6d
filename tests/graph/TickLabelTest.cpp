// Tick labels: the 4-digit format and the tick values that feed it.
#include "graph/TickLabel.h"
#include "graph/GraphData.h"

#include <gtest/gtest.h>

namespace hydrolofter {
namespace {

TEST(TickLabel, Table) {
    const std::pair<double, const char*> cases[] = {
        {0, "0."},
        {5, "5."},
        {2.5, "2.5"},
        {100, "100."},
        {1000, "1000"},
        {-40, "-40."},
        {0.125, "0.125"},
        {1.0 / 3, "0.3333"},
        {0.05, "5.e-002"},
        {0.0125, "1.25e-002"},
        {20000, "2.e+004"},
        // rounding carries
        {9.9996, "10."},
        {0.099996, "0.1"},
        {99996, "1.e+005"},
        {9999.4, "9999"},
        {9999.5, "1.e+004"},
        // halves away from zero, negatives, the fixed/exponent boundary
        {1.0625, "1.063"},
        {-1.0625, "-1.063"},
        {-0.05, "-5.e-002"},
        {0.1, "0.1"},
        {0.09999999999999999, "0.1"},
        {0.0999, "9.99e-002"},
        {1234.5, "1235"},
        {12345, "1.235e+004"},
        {-20000, "-2.e+004"},
        {1e-300, "1.e-300"},
        {123.456, "123.5"},
        {-0.0, "0."},
    };
    for (const auto& [value, label] : cases)
        EXPECT_EQ(formatTickLabel(value), label) << value;
}

TEST(TickLabel, LabelsOfScaledAxes) {
    auto labels = [](AxisScale a) {
        std::vector<std::string> out;
        for (int i = 0; i <= a.ticks; ++i)
            out.push_back(formatTickLabel(tickValue(a.min, a.max, i, a.ticks)));
        return out;
    };
    EXPECT_EQ(labels(scaleAxis(0, 370)),
              (std::vector<std::string>{"0.", "100.", "200.", "300.", "400."}));
    EXPECT_EQ(labels(scaleAxis(0, 999)),
              (std::vector<std::string>{"0.", "100.", "200.", "300.", "400.", "500.", "600.",
                                        "700.", "800.", "900.", "1000"}));
    EXPECT_EQ(labels({0, 8, 8}),
              (std::vector<std::string>{"0.", "1.", "2.", "3.", "4.", "5.", "6.", "7.", "8."}));
    // ((max − min) × i) ÷ ticks + min comes out at 1.11e-16 for the zero tick here.
    const std::vector<std::string> crossing = labels({-0.9, 0.4, 13});
    EXPECT_EQ(crossing[9], "0.");
    EXPECT_EQ(crossing[0], "-0.9");
    EXPECT_EQ(crossing[13], "0.4");
}

} // namespace
} // namespace hydrolofter
