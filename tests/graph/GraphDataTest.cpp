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

namespace hydrolofter {
namespace {

TEST(GraphData, ReadoutNamesWhatIsDrawnUnderThePointer) {
    // A 160 × 110 canvas: plot box x 60..120, y 10..60 (60 px and 50 px for ten ticks).
    GraphData line;
    line.setXAxis(0, 10, 10);
    line.setYAxis(0, 100, 10);
    line.xQuantity = {"Empty Mass", "g"};
    line.yQuantity = {"Time Aloft", "sec"};
    const double x[] = {0, 5, 10}, y[] = {0, 50, 100};
    line.setLineData(x, y, 3);
    // (5, 50) is drawn at (60 + 30, 60 − 25) = (90, 35).
    EXPECT_EQ(line.readout(88, 37, 160, 110), "Empty Mass 5 g: Time Aloft 50 sec");
    EXPECT_EQ(line.readout(61, 58, 160, 110), "Empty Mass 0 g: Time Aloft 0 sec");
    EXPECT_EQ(line.readout(59, 35, 160, 110), ""); // left of the plot box
    EXPECT_EQ(line.readout(90, 61, 160, 110), ""); // below it

    // Bars: the one nearest in x, with its lowest and highest value.
    GraphData bars;
    bars.setXAxis(0, 2, 2);
    bars.setYAxis(0, 10, 10);
    bars.xQuantity = {"Time", "sec"};
    bars.yQuantity = {"Height", "m"};
    const double low[] = {1, 2.5}, high[] = {1.5, 3}, t[] = {1, 2};
    bars.setMinMaxData(low, high, t, 2);
    // t = 1 at x 90, t = 2 at x 120.
    EXPECT_EQ(bars.readout(104, 20, 160, 110), "Time 1 sec: Height from 1 to 1.5 m");
    EXPECT_EQ(bars.readout(106, 20, 160, 110), "Time 2 sec: Height from 2.5 to 3 m");

    // A surface: the grid point nearest the pointer, and its result.
    GraphData surface;
    surface.setXAxis(0, 1, 10);
    surface.setYAxis(0, 1, 10);
    surface.xQuantity = {"Empty Mass", "g"};
    surface.yQuantity = {"Initial Water Level", "%"};
    surface.resultQuantity = {"Max. Height", "m"};
    const double sx[] = {0, 0, 1, 1}, sy[] = {0, 1, 0, 1}, sz[] = {4, 3, 2, 1};
    surface.setSurfaceData(sx, sy, sz, 4);
    // (1, 0) is drawn at (120, 60): the bottom right corner.
    EXPECT_EQ(surface.readout(115, 55, 160, 110),
              "Empty Mass 1 g, Initial Water Level 0 %: Max. Height 2 m");
    EXPECT_EQ(surface.readout(118, 14, 160, 110), // (1, 1) at the top right corner
              "Empty Mass 1 g, Initial Water Level 1 %: Max. Height 1 m");
}

} // namespace
} // namespace hydrolofter
