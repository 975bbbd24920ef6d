// Pixels of graphs painted into images: the rules of lines, bars, grid and surface.
#include "toolkit/ImageCanvas.h"
#include "graph/Comparison.h"
#include "graph/GraphData.h"
#include "toolkit/GraphImage.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace hydrolofter {
namespace {

constexpr QRgb kWhite = 0xffffffff, kBlack = 0xff000000, kGrey = 0xffa8a8a8, kData = 0xff000080;

QRgb at(const QImage& img, int x, int y) {
    return img.pixel(x, y);
}

QImage blank(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::white);
    return img;
}

GraphData axes(double xMin, double xMax, int xTicks, double yMin, double yMax, int yTicks) {
    GraphData g;
    g.setXAxis(xMin, xMax, xTicks);
    g.setYAxis(yMin, yMax, yTicks);
    return g;
}

TEST(ImageCanvas, LinesIncludeTheStartAndExcludeTheEnd) {
    QImage img = blank(40, 40);
    ImageCanvas c(img);
    c.selectPen(Pen{1, Rgb{0, 0, 0}});
    c.moveTo(10, 10);
    c.lineTo(20, 10); // horizontal
    c.lineTo(20, 30); // vertical, from the shared joint
    c.lineTo(10, 20); // diagonal
    for (int x = 10; x < 20; ++x)
        EXPECT_EQ(at(img, x, 10), kBlack) << x;
    EXPECT_EQ(at(img, 20, 10), kBlack); // the joint, drawn as the next segment's start
    for (int y = 10; y < 30; ++y)
        EXPECT_EQ(at(img, 20, y), kBlack) << y;
    EXPECT_EQ(at(img, 15, 25), kBlack);
    EXPECT_EQ(at(img, 10, 20), kWhite); // the last end pixel is not drawn
    EXPECT_EQ(at(img, 21, 10), kWhite);
    c.moveTo(-100, -100);
    c.lineTo(100, 100); // clipped, no fault
    EXPECT_EQ(at(img, 39, 39), kBlack);
}

TEST(ImageCanvas, FrameAxesAndGrid) {
    GraphData g = axes(0, 400, 4, 0, 50, 5);
    const QImage img = paintGraphImage(g, 400, 300);
    EXPECT_EQ(at(img, 0, 0), kBlack); // border
    EXPECT_EQ(at(img, 399, 299), kBlack);
    EXPECT_EQ(at(img, 60, 11), kBlack);  // the y axis, below the top grid line
    EXPECT_EQ(at(img, 60, 10), kGrey);   // the top grid line starts on the axis
    EXPECT_EQ(at(img, 60, 250), kBlack); // the joint of the two axes
    EXPECT_EQ(at(img, 359, 250), kBlack);
    EXPECT_EQ(at(img, 360, 250), kGrey); // x axis ends short; the last grid line starts there
    for (int x : {135, 210, 285, 360}) {
        EXPECT_EQ(at(img, x, 250), kGrey) << x;  // each grid line replaces one axis pixel
        EXPECT_EQ(at(img, x, 251), kBlack) << x; // its tick mark below the axis
        EXPECT_EQ(at(img, x, 100), kGrey) << x;
    }
    EXPECT_EQ(at(img, 60, 202), kGrey);  // a y grid line over the y axis
    EXPECT_EQ(at(img, 50, 202), kBlack); // its tick mark
    EXPECT_EQ(at(img, 100, 11), kWhite); // the grid ends short of the top
}

TEST(ImageCanvas, ZeroTicksAndNoData) {
    const QImage bare = paintGraphImage(axes(0, 1, 0, 0, 1, 4), 400, 300);
    int dark = 0;
    for (int y = 1; y < 299; ++y) {
        for (int x = 1; x < 399; ++x)
            dark += at(bare, x, y) != kWhite;
    }
    EXPECT_EQ(dark, 240 + 300); // the two axes and nothing else

    const QImage none = paintGraphImage(axes(0, 4, 4, 0, 4, 4), 400, 300);
    int grey = 0, data = 0;
    for (int y = 0; y < 300; ++y) {
        for (int x = 0; x < 400; ++x) {
            grey += at(none, x, y) == kGrey;
            data += at(none, x, y) == kData;
        }
    }
    EXPECT_GT(grey, 1000);
    EXPECT_EQ(data, 0);
}

TEST(ImageCanvas, FlatBarIsOnePixelAboveItsRowAndBarsAreJoinedAcrossGaps) {
    GraphData g = axes(0, 4, 4, 0, 4, 4);
    double lo[] = {2, 3}, hi[] = {2, 3}, t[] = {1.5, 2};
    g.setMinMaxData(lo, hi, t, 1);
    const QImage img = paintGraphImage(g, 400, 300);
    // x: 60 + trunc(300 × 1.5 ÷ 4) = 60 + trunc(112.5) = 172; y: 250 − 240 × 2 ÷ 4 = 130.
    const int x = 172, y = 130;
    EXPECT_EQ(at(img, x, y - 1), kData);
    EXPECT_NE(at(img, x, y), kData);
    EXPECT_NE(at(img, x, y - 2), kData);

    // The second bar: x 60 + 300 × 2 ÷ 4 = 210, row 250 − 240 × 3 ÷ 4 − 1 = 69. Every column
    // between the two holds the trace, and nothing lies outside rows 69..129.
    g.setMinMaxData(lo, hi, t, 2);
    const QImage joined = paintGraphImage(g, 400, 300);
    EXPECT_EQ(at(joined, 210, 69), kData);
    for (int column = 172; column <= 210; ++column) {
        int inside = 0, outside = 0;
        for (int row = 0; row < 300; ++row)
            (row >= 69 && row <= 129 ? inside : outside) += at(joined, column, row) == kData;
        EXPECT_GT(inside, 0) << column;
        EXPECT_EQ(outside, 0) << column;
    }
}

/// A launch graph's series of five bars (lowest = highest), as a run hands it over.
std::shared_ptr<const SampleSeries> bars(std::initializer_list<std::pair<double, double>> vt) {
    auto s = std::make_shared<SampleSeries>();
    s->kind = SeriesKind::MinMaxBars;
    for (const auto& [v, t] : vt) {
        const auto k = std::size_t(s->count++);
        s->column1[k] = s->column2[k] = v;
        s->column3[k] = t;
    }
    return s;
}

TEST(ImageCanvas, TwoFlightsComparedShareTheAxesEachInItsColourWithALegend) {
    // Flight 1 alone would have axes 0..4 s and 0..8 m, Flight 2 (shown) 0..2 s and 0..4 m;
    // together 0..4 s and 0..8 m. 400 × 300: x = 60 + trunc(75 t), y = 250 − 30 v.
    const std::vector<ComparedRun> runs = {
        {"Flight 1", bars({{8, 0.5}, {2, 3.5}, {2, 3.6}, {2, 3.7}, {2, 3.8}}), RunSettings{}},
        {"Flight 2", bars({{4, 0.5}, {0, 1}, {0, 1.1}, {0, 1.2}, {0, 1.3}}), RunSettings{}},
    };
    const QImage img = paintGraphImage(*comparisonGraph(runs, 1), 400, 300);
    const QRgb red = qRgb(200, 0, 0);
    EXPECT_EQ(at(img, 97, 129), red);    // Flight 2 at 0.5 s, 4 m: a row above 250 − 120
    EXPECT_EQ(at(img, 322, 189), kData); // Flight 1 at 3.5 s, 2 m: 60 + trunc(262.5)
    EXPECT_NE(at(img, 135, 129), red);   // where Flight 2 alone would have put its bar

    // The legend: a frame 4 px inside the plot box's top right corner (x 356, y 14), a line
    // of 16 px per flight after 4 px, each a 16 × 4 colour bar 6 px down, 4 px in.
    const int width = QFontMetrics(QGuiApplication::font()).horizontalAdvance("Flight 1");
    const int left = 356 - (4 + 16 + 4 + width + 4);
    EXPECT_EQ(at(img, 355, 14), kBlack);
    EXPECT_EQ(at(img, 355, 53), kBlack);
    EXPECT_EQ(at(img, left, 30), kBlack);
    EXPECT_EQ(at(img, left + 4, 24), kData);
    EXPECT_EQ(at(img, left + 19, 27), kData);
    EXPECT_EQ(at(img, left + 4, 40), red);
    EXPECT_EQ(at(img, left + 19, 43), red);
    EXPECT_EQ(at(img, left + 4, 44), kWhite);
}

TEST(ImageCanvas, SurfaceTopLeftShowsTheHighestYIndex) {
    GraphData g = axes(0, 10, 10, 0, 10, 10);
    std::vector<double> z(121);
    for (std::size_t k = 0; k < z.size(); ++k)
        z[k] = double(k);
    g.setSurfaceData(z.data(), z.data(), z.data(), 121);
    QImage img = blank(400, 300);
    ImageCanvas c(img);
    g.paintSurface(c, 60, 360, 10, 250);
    // x index 0, y index 10 is entry 10: shade trunc(10 × 15 ÷ 120) = 1.
    EXPECT_EQ(at(img, 60, 10), qRgb(0, 0, 16));
    // x index 10, y index 0 is entry 110, shade 13, reached at the bottom-right corner cell.
    EXPECT_EQ(at(img, 359, 249), qRgb(0, 0, 16 * 13));
    EXPECT_EQ(at(img, 360, 100), kWhite); // X1 and Y1 are not painted
    EXPECT_EQ(at(img, 100, 250), kWhite);

    std::vector<double> flat(121, 7.0);
    g.setSurfaceData(flat.data(), flat.data(), flat.data(), 121);
    QImage black = blank(400, 300);
    ImageCanvas b(black);
    g.paintSurface(b, 60, 360, 10, 250);
    EXPECT_EQ(at(black, 200, 100), kBlack); // equal extremes: shade 0
}

TEST(ImageCanvas, TinyAndHugeRangesPaint) {
    struct Case {
        double lo, hi;
        int leastInside; ///< data pixels the line must set inside the plot box
    };
    // Each line crosses at least half the box (100 of its 200 columns or 70 of its 140
    // rows), except that 12345678..12345679 scales to 1e7..2e7, where the data is one pixel.
    const Case cases[] = {
        {1e-300, 2e-300, 100}, {-1e300, 1e300, 70}, {0, 1e-12, 100}, {12345678, 12345679, 0}};
    for (const Case& c : cases) {
        GraphData g;
        g.scaleXAxis(c.lo, c.hi);
        g.scaleYAxis(c.lo, c.hi);
        double x[] = {c.lo, c.hi, c.lo * 0.5 + c.hi * 0.5}, y[] = {c.hi, c.lo, c.lo};
        g.setLineData(x, y, 3);
        const QImage img = paintGraphImage(g, 300, 200);
        // Whatever the range, nothing is drawn outside the plot box (60..260 × 10..150).
        int inside = 0, outside = 0;
        for (int py = 0; py < 200; ++py) {
            for (int px = 0; px < 300; ++px) {
                if (at(img, px, py) == kData)
                    (px >= 60 && px <= 260 && py >= 10 && py <= 150 ? inside : outside) += 1;
            }
        }
        EXPECT_EQ(outside, 0) << c.lo << " to " << c.hi;
        if (c.leastInside > 0) {
            EXPECT_GE(inside, c.leastInside) << c.lo << " to " << c.hi;
        }
    }
}

#ifdef HYDROLOFTER_BATCH
TEST(BatchImage, WritesAGraphOfTheRequestedSize) {
    QTemporaryDir dir;
    const QString file = dir.filePath("flight.png");
    QProcess batch;
    batch.setStandardOutputFile(QProcess::nullDevice());
    batch.start(HYDROLOFTER_BATCH, {"--png", file, "--size", "640x480"});
    ASSERT_TRUE(batch.waitForFinished(60000));
    ASSERT_EQ(batch.exitCode(), 0);
    QImage img(file);
    ASSERT_EQ(img.size(), QSize(640, 480));
    int data = 0;
    for (int y = 10; y < 430; ++y) {
        for (int x = 60; x < 600; ++x)
            data += img.pixel(x, y) == kData;
    }
    EXPECT_GT(data, 300);

    batch.start(HYDROLOFTER_BATCH, {"--png", file, "launchDisplay=0"});
    ASSERT_TRUE(batch.waitForFinished(60000));
    EXPECT_EQ(batch.exitCode(), 5); // a summary has no graph
}
#endif

} // namespace
} // namespace hydrolofter
