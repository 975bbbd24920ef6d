// Axis scaling and filling a graph data set.
#include "graph/GraphData.h"

#include <cmath>
#include <gtest/gtest.h>
#include <utility>

namespace hydrolofter {
namespace {

struct ScaleCase {
    double low, high, min, max;
    int ticks;
};

TEST(AxisScaling, Table) {
    const ScaleCase cases[] = {
        {0, 370, 0, 400, 4},
        {5, 370, 0, 400, 4},
        {320, 370, 0, 400, 4},
        {0, 37.2, 0, 40, 4},
        {0, 20.5, 0, 30, 3},
        {0, 0.047, 0, 0.05, 5},
        {0, 1000, 0, 1000, 1},
        {0, 1001, 0, 2000, 2},
        {0, 999, 0, 1000, 10},
        {95, 100, 0, 100, 1},
        {120, 130, 100, 200, 1},
        {-3.2, 7.9, -4, 8, 12},
        {-0.5, 250, -100, 300, 4},
        {-250, -30, -300, 0, 3},
        {-5, 0, -5, 0, 5},
        {5.5, 5.5, 5, 6, 1},
        // Mended: an exact leading digit gains no spurious interval.
        {0, 400, 0, 400, 4},
        {0, 0.3, 0, 0.3, 3},
        {0, 1e-3, 0, 1e-3, 1},
        // Mended: a flat series is widened by one step on each side.
        {5, 5, 4, 6, 2},
        {0, 0, -1, 1, 2},
        {-0.2, -0.2, -0.3, -0.1, 2},
        // Mended: a quotient a hair below a whole number still counts its intervals.
        {0.7, 0.7 + 1e-17, 0.6, 0.8, 2},
    };
    for (const ScaleCase& c : cases) {
        const AxisScale a = scaleAxis(c.low, c.high);
        EXPECT_NEAR(a.min, c.min, 1e-12) << c.low << ".." << c.high;
        EXPECT_NEAR(a.max, c.max, 1e-12) << c.low << ".." << c.high;
        EXPECT_EQ(a.ticks, c.ticks) << c.low << ".." << c.high;
    }
}

TEST(AxisScaling, NeverGivesAnUnusableAxis) {
    // Ends that are not numbers give no axis at all (frame and axes only)...
    for (const auto& [low, high] : {std::pair{std::nan(""), 1.0}, std::pair{0.0, double(INFINITY)}})
        EXPECT_EQ(scaleAxis(low, high).ticks, 0) << low << ".." << high;
    // ...and finite ends, however extreme, an axis that holds both within 1000 intervals.
    const double odd[][2] = {
        {-1e308, 1e308}, {1e-320, 2e-320}, {-7e-310, 0}, {1e300, 1e300}, {-5e-324, 5e-324}};
    for (const auto& o : odd) {
        const AxisScale a = scaleAxis(o[0], o[1]);
        EXPECT_GE(a.ticks, 1) << o[0] << ".." << o[1];
        EXPECT_LE(a.ticks, 1000) << o[0] << ".." << o[1];
        EXPECT_TRUE(std::isfinite(a.min) && std::isfinite(a.max)) << o[0] << ".." << o[1];
        EXPECT_LT(a.min, a.max) << o[0] << ".." << o[1];
        EXPECT_LE(a.min, o[0]) << o[0] << ".." << o[1];
        EXPECT_GE(a.max, o[1]) << o[0] << ".." << o[1];
    }
}

TEST(GraphData, FillsPrivateCopies) {
    GraphData g;
    EXPECT_EQ(g.mode, GraphMode::None);
    EXPECT_EQ(g.count, 0);
    double x[] = {1, 2, 3}, y[] = {4, 5, 6}, z[] = {7, 8, 9};
    g.setXTitle("x");
    g.setYTitle("y");
    g.setSurfaceData(x, y, z, 3);
    x[0] = y[0] = z[0] = -1;
    EXPECT_EQ(g.mode, GraphMode::Surface);
    EXPECT_EQ(g.count, 3);
    EXPECT_EQ(g.values1, (std::vector<double>{1, 2, 3}));
    EXPECT_EQ(g.values2, (std::vector<double>{4, 5, 6}));
    EXPECT_EQ(g.values3, (std::vector<double>{7, 8, 9}));

    GraphData line;
    line.setLineData(x, y, 2);
    EXPECT_EQ(line.mode, GraphMode::Line);
    EXPECT_TRUE(line.values3.empty());
    line.setXAxis(3, 1, 7); // stored as given
    EXPECT_EQ(line.xMin, 3);
    EXPECT_EQ(line.xMax, 1);
    EXPECT_EQ(line.xTicks, 7);
}

} // namespace
} // namespace hydrolofter
