// The painter's layout and object handling, through a recording canvas.
#include "RecordingCanvas.h"
#include "graph/GraphData.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <tuple>

namespace hydrolofter {
namespace {

using test::RecordingCanvas;

GraphData axes(double xMin, double xMax, int xTicks, double yMin, double yMax, int yTicks) {
    GraphData g;
    g.setXTitle("Time (sec)");
    g.setYTitle("Height (m)");
    g.setXAxis(xMin, xMax, xTicks);
    g.setYAxis(yMin, yMax, yTicks);
    return g;
}

std::vector<int> tickXs(const RecordingCanvas& c, int y1) {
    std::vector<int> xs;
    for (const auto& l : c.lines) {
        if (l.y0 == y1 + 10 && l.y1 == y1 && l.x0 == l.x1)
            xs.push_back(l.x0);
    }
    return xs;
}

TEST(GraphPainter, LayoutOf400By300) {
    const GraphData g = axes(0, 400, 4, 0, 50, 5);
    RecordingCanvas c({0, 0, 400, 300});
    g.paint(c);
    EXPECT_EQ(tickXs(c, 250), (std::vector<int>{60, 135, 210, 285, 360}));
    ASSERT_GE(c.lines.size(), 2u);
    // The y axis from (60, 10) down, then the x axis to (360, 250).
    EXPECT_EQ(c.lines[0].x0, 60);
    EXPECT_EQ(c.lines[0].y0, 10);
    EXPECT_EQ(c.lines[0].y1, 250);
    EXPECT_EQ(c.lines[1].x1, 360);
    ASSERT_GE(c.texts.size(), 2u);
    EXPECT_EQ(c.texts[0].text, "Height (m)");
    EXPECT_EQ(c.texts[0].x, 5);
    EXPECT_EQ(c.texts[0].y, 200);
    EXPECT_EQ(c.texts[0].escapement, 899);
    EXPECT_EQ(c.texts[1].text, "Time (sec)");
    EXPECT_EQ(c.texts[1].x, 200);
    EXPECT_EQ(c.texts[1].y, 275);
    EXPECT_EQ(c.texts[1].escapement, 0);
    EXPECT_EQ(c.texts[2].text, "0.");
    EXPECT_EQ(c.texts[2].y, 260);
    EXPECT_EQ(c.texts[6].text, "400.");
    EXPECT_EQ(c.texts[6].x, 360);
    EXPECT_EQ(c.texts[7].x, 30); // first y label at (X0 − 30, yi + 1)
    EXPECT_EQ(c.texts[7].y, 251);
}

TEST(GraphPainter, WideYLabelsEndShortOfTheAxis) {
    const GraphData g = axes(0, 1, 1, -1e6, 0, 2);
    RecordingCanvas c({0, 0, 400, 300}); // 6 pixels a character
    g.paint(c);
    // x labels "0." and "1." (texts 2, 3), then y labels from the bottom: 8 characters end
    // 3 pixels left of the axis at 60 (60 − 3 − 48 = 9); "0." keeps X0 − 30.
    ASSERT_EQ(c.texts.size(), 7u);
    EXPECT_EQ(c.texts[4].text, "-1.e+006");
    EXPECT_EQ(c.texts[4].x, 9);
    EXPECT_EQ(c.texts[5].text, "-5.e+005");
    EXPECT_EQ(c.texts[5].x, 9);
    EXPECT_EQ(c.texts[6].text, "0.");
    EXPECT_EQ(c.texts[6].x, 30);
}

TEST(GraphPainter, TicksTruncateEachPosition) {
    const GraphData g = axes(0, 3, 3, 0, 1, 1);
    RecordingCanvas c({0, 0, 200, 300}); // W = 100
    g.paint(c);
    EXPECT_EQ(tickXs(c, 250), (std::vector<int>{60, 93, 126, 160}));
}

TEST(GraphPainter, CaptionsKeepTheirPlaceInAWideWindow) {
    const GraphData g = axes(0, 1, 1, 0, 1, 1);
    RecordingCanvas c({0, 0, 3000, 900});
    g.paint(c);
    EXPECT_EQ(c.texts[0].y, 800);
    EXPECT_EQ(c.texts[1].x, 200);
}

TEST(GraphPainter, ANarrowGraphKeepsItsXLabelsApartAndItsTitleWhole) {
    GraphData g = axes(50, 250, 10, 0, 1, 1);
    g.setXTitle("Initial Air Pressure (PSI)"); // 26 characters, 156 pixels
    RecordingCanvas c({0, 0, 300, 300});       // ticks 20 pixels apart, "250." is 24 wide
    g.paint(c);
    EXPECT_EQ(c.texts[1].x, 300 - 156 - 5);  // moved left from 200 to end inside
    std::vector<std::pair<int, int>> labels; // x and width of each x label
    for (const auto& t : c.texts)
        if (t.y == 260)
            labels.emplace_back(t.x, 6 * int(t.text.size()));
    ASSERT_EQ(labels.size(), 6u); // every second of the 11
    for (std::size_t k = 1; k < labels.size(); ++k)
        EXPECT_GE(labels[k].first, labels[k - 1].first + labels[k - 1].second) << k;
}

TEST(GraphPainter, ZeroTicksDrawOnlyFrameAndAxes) {
    GraphData g = axes(0, 1, 0, 0, 1, 5);
    double x[] = {0, 1}, y[] = {0, 1};
    g.setLineData(x, y, 2);
    RecordingCanvas c({0, 0, 400, 300});
    g.paint(c);
    EXPECT_EQ(c.rectangles, 1);
    EXPECT_EQ(c.lines.size(), 2u);
    EXPECT_TRUE(c.texts.empty());
    EXPECT_EQ(c.pen.colour, (Rgb{1, 2, 3}));
    EXPECT_EQ(c.brush.colour, (Rgb{4, 5, 6}));
}

TEST(GraphPainter, PutsBackEveryObjectItSelected) {
    for (GraphMode mode :
         {GraphMode::None, GraphMode::Line, GraphMode::MinMaxBars, GraphMode::Surface}) {
        GraphData g = axes(0, 10, 10, 0, 10, 10);
        std::vector<double> v(121, 1.0);
        if (mode == GraphMode::Line)
            g.setLineData(v.data(), v.data(), 121);
        if (mode == GraphMode::MinMaxBars)
            g.setMinMaxData(v.data(), v.data(), v.data(), 121);
        if (mode == GraphMode::Surface)
            g.setSurfaceData(v.data(), v.data(), v.data(), 121);
        RecordingCanvas c({0, 0, 400, 300});
        g.paint(c);
        EXPECT_EQ(c.pen.colour, (Rgb{1, 2, 3})) << int(mode);
        EXPECT_EQ(c.brush.colour, (Rgb{4, 5, 6})) << int(mode);
        EXPECT_EQ(c.font.escapement, 7) << int(mode);
    }
}

TEST(GraphPainter, GridUnderDataOrOverSurface) {
    GraphData line = axes(0, 10, 2, 0, 10, 2);
    double x[] = {0, 10}, y[] = {0, 10};
    line.setLineData(x, y, 2);
    RecordingCanvas c({0, 0, 400, 300});
    line.paint(c);
    EXPECT_EQ(c.lines.back().colour, (Rgb{0, 0, 128})); // the data is drawn last
    EXPECT_EQ(c.lines[c.lines.size() - 2].colour, (Rgb{168, 168, 168}));

    GraphData surface = axes(0, 10, 2, 0, 10, 2);
    std::vector<double> z(4, 1.0);
    surface.setSurfaceData(z.data(), z.data(), z.data(), 4);
    RecordingCanvas s({0, 0, 400, 300});
    surface.paint(s);
    EXPECT_EQ(s.lines.back().colour, (Rgb{0, 0, 0}));
    EXPECT_EQ(s.pixels, 300L * 240L); // every pixel of the plot box but its right and bottom edge
}

TEST(GraphPainter, MappingTruncatesTowardZero) {
    // Plot box 60..360 (300 wide) × 10..250 (240 high), both axes 0..7.
    const GraphData g = axes(0, 7, 7, 0, 7, 7);
    EXPECT_EQ(g.mapX(2, 60, 360), 145);   // 600 ÷ 7 = 85.71: 85, not 86
    EXPECT_EQ(g.mapX(-8, 60, 360), -282); // −342.86: −342, not −343
    EXPECT_EQ(g.mapY(2, 10, 250), 182);   // 480 ÷ 7 = 68.57: 250 − 68
    EXPECT_EQ(g.mapY(1, 10, 250), 216);   // 34.29: 250 − 34
    EXPECT_EQ(g.mapY(7, 10, 250), 10);
}

TEST(GraphPainter, MappingEdgeCases) {
    GraphData g = axes(5, 5, 4, -1, 1, 2); // equal x bounds: the middle of the box
    EXPECT_EQ(g.mapX(5, 60, 360), 210);
    EXPECT_EQ(g.mapX(1e300, 60, 360), 210);
    EXPECT_EQ(g.mapY(0, 10, 250), 130);
    const int far = g.mapY(1e300, 10, 250); // bounded, never an overflowed integer
    EXPECT_LT(far, -1000);
    EXPECT_GT(far, -(1 << 21));
    GraphData flat = axes(0, 1, 1, 3, 3, 2);
    EXPECT_EQ(flat.mapY(3, 10, 250), 130);
    EXPECT_EQ(GraphData::surfaceIndex(0, 0, 11), 10);
    EXPECT_EQ(GraphData::surfaceIndex(1, 0, 11), 21);
    EXPECT_EQ(GraphData::surfaceIndex(0, 10, 11), 0);
}

TEST(GraphPainter, NonFiniteDataIsSkipped) {
    GraphData g = axes(0, 4, 4, 0, 4, 4);
    const double nan = std::nan("");
    double x[] = {0, 1, 2, 3, 4}, y[] = {0, 1, nan, 3, 4};
    g.setLineData(x, y, 5);
    RecordingCanvas c({0, 0, 400, 300});
    g.paint(c);
    int data = 0;
    for (const auto& l : c.lines)
        data += l.colour == Rgb{0, 0, 128};
    EXPECT_EQ(data, 2); // 0→1 and 3→4; nothing to or from the gap

    GraphData bars = axes(0, 4, 4, 0, 4, 4);
    double lo[] = {1, nan, 1}, hi[] = {2, 2, INFINITY}, t[] = {1, 2, 3};
    bars.setMinMaxData(lo, hi, t, 3);
    RecordingCanvas b({0, 0, 400, 300});
    bars.paint(b);
    data = 0;
    for (const auto& l : b.lines)
        data += l.colour == Rgb{0, 0, 128};
    EXPECT_EQ(data, 1);
}

TEST(GraphPainter, PointsStackedAtOneXAreMarked) {
    GraphData g = axes(50, 70, 2, 0, 10, 2);
    double x[] = {60, 60, 60}, y[] = {5, 5, 5};
    g.setLineData(x, y, 3);
    RecordingCanvas c({0, 0, 400, 300});
    g.paint(c);
    // Plot box x 60..360, y 10..250: x 60 → 60 + 300 × 10 / 20 = 210; y 5 → 250 − 120 = 130.
    using L = RecordingCanvas::Line;
    std::vector<L> crosses;
    for (const L& l : c.lines)
        if (l.colour == Rgb{0, 0, 128} && (l.x0 != l.x1 || l.y0 != l.y1))
            crosses.push_back(l);
    ASSERT_EQ(crosses.size(), 6u);
    for (std::size_t k = 0; k < 6; k += 2) {
        EXPECT_EQ(std::tie(crosses[k].x0, crosses[k].y0, crosses[k].x1, crosses[k].y1),
                  std::tuple(208, 130, 213, 130));
        EXPECT_EQ(
            std::tie(crosses[k + 1].x0, crosses[k + 1].y0, crosses[k + 1].x1, crosses[k + 1].y1),
            std::tuple(210, 128, 210, 133));
    }
}

} // namespace
} // namespace hydrolofter

namespace hydrolofter {
namespace {

/// Keeps every pixel the painter sets.
class PixelCanvas : public test::RecordingCanvas {
public:
    PixelCanvas(int w, int h)
        : RecordingCanvas({0, 0, w, h}), width(w), shades(std::size_t(w * h), -1) {}
    void setPixel(int x, int y, Rgb c) override { shades[std::size_t(y * width + x)] = c.b / 16; }
    int width;
    std::vector<int> shades;
};

TEST(GraphPainter, SurfaceShadesFollowTheBilinearRuleExactly) {
    std::uint64_t seed = 12345;
    auto random = [&seed]() {
        seed = seed * 6364136223846793005ull + 1442695040888963407ull;
        return double(seed >> 11) / double(1ull << 53);
    };
    const std::pair<double, double> scales[] = {{0, 1}, {-3e5, 7e5}, {1e-9, 1e-9}, {5, 1e-13}};
    for (const auto& [offset, spread] : scales) {
        std::vector<double> z(121);
        for (double& v : z)
            v = offset + spread * random();
        GraphData g;
        g.setSurfaceData(z.data(), z.data(), z.data(), 121);
        const int left = 3, right = 250, top = 2, bottom = 190;
        PixelCanvas c(260, 200);
        g.paintSurface(c, left, right, top, bottom);

        // The rule written out plainly, pixel by pixel.
        const double zmin = *std::min_element(z.begin(), z.end());
        const double zmax = *std::max_element(z.begin(), z.end());
        const int w = right - left, h = bottom - top;
        int mismatches = 0;
        for (int i = 0; i < 10; ++i) {
            const int cx = left + (i * w) / 10, cw = ((i + 1) * w) / 10 - (i * w) / 10;
            for (int j = 0; j < 10; ++j) {
                const int cy = top + (j * h) / 10, ch = ((j + 1) * h) / 10 - (j * h) / 10;
                const double tl = z[std::size_t(GraphData::surfaceIndex(i, j, 11))];
                const double tr = z[std::size_t(GraphData::surfaceIndex(i + 1, j, 11))];
                const double bl = z[std::size_t(GraphData::surfaceIndex(i, j + 1, 11))];
                const double br = z[std::size_t(GraphData::surfaceIndex(i + 1, j + 1, 11))];
                for (int px = 0; px < cw; ++px) {
                    for (int py = 0; py < ch; ++py) {
                        const int a = (cw - px) * (ch - py), b = px * (ch - py);
                        const int cc = (cw - px) * py, d = px * py;
                        const double v = (a * tl + b * tr + cc * bl + d * br) / (cw * ch);
                        const int s = int(std::trunc((v - zmin) * 15 / (zmax - zmin)));
                        mismatches += c.shades[std::size_t((cy + py) * 260 + cx + px)] !=
                                      std::min(std::max(s, 0), 15);
                    }
                }
            }
        }
        EXPECT_EQ(mismatches, 0) << "offset " << offset << " spread " << spread;
    }
}

} // namespace
} // namespace hydrolofter
