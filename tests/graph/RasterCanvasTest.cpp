// The raster canvas at a screen's device pixel ratio: the painter's units as blocks of pixels.
#include "graph/RasterCanvas.h"

#include <gtest/gtest.h>
#include <vector>

namespace hydrolofter {
namespace {

/// Text is the platform's; none is drawn here.
struct Textless final : RasterCanvas {
    using RasterCanvas::RasterCanvas;
    void textOut(int, int, const std::string&) override {}
    int textWidth(const std::string&) const override { return 0; }
};

/// A 40 × 40 white picture, 0xAARRGGBB.
struct Picture {
    std::vector<unsigned> words = std::vector<unsigned>(40 * 40, 0xffffffffu);
    unsigned at(int x, int y) const { return words[std::size_t(y * 40 + x)]; }
    Textless canvas(double scale) {
        return Textless(reinterpret_cast<unsigned char*>(words.data()), 40 * 4, 40, 40, scale);
    }
};

constexpr unsigned kWhite = 0xffffffffu, kBlack = 0xff000000u, kRed = 0xffff0000u,
                   kGreen = 0xff00ff00u;

TEST(RasterCanvas, AtScaleTwoEachUnitIsATwoByTwoBlock) {
    Picture p;
    Textless c = p.canvas(2);
    EXPECT_EQ(c.clientRect().right, 20);
    EXPECT_EQ(c.clientRect().bottom, 20);
    EXPECT_EQ(p.canvas(1.5).clientRect().right, 26); // 40 ÷ 1.5 = 26.7 whole units
    c.setPixel(1, 1, Rgb{255, 0, 0});
    for (auto [x, y] : {std::pair{2, 2}, {3, 2}, {2, 3}, {3, 3}})
        EXPECT_EQ(p.at(x, y), kRed) << x << "," << y;
    EXPECT_EQ(p.at(4, 2), kWhite);
    EXPECT_EQ(p.at(2, 4), kWhite);

    // A one-unit pen's line is two pixels wide, rows 10 and 11 for y = 5.
    c.selectPen(Pen{1, Rgb{0, 0, 0}});
    c.moveTo(0, 5);
    c.lineTo(5, 5);
    for (int x = 0; x < 10; ++x) {
        EXPECT_EQ(p.at(x, 10), kBlack) << x;
        EXPECT_EQ(p.at(x, 11), kBlack) << x;
    }
    EXPECT_EQ(p.at(0, 9), kWhite);
    EXPECT_EQ(p.at(0, 12), kWhite);
    EXPECT_EQ(p.at(12, 10), kWhite);

    // Rectangle [10, 14) × [10, 14): outline units 10 and 13 (pixels 20–21 and 26–27), the
    // fill units 11–12 (pixels 22–25).
    c.selectBrush(Brush{Rgb{0, 255, 0}});
    c.rectangle(10, 10, 14, 14);
    EXPECT_EQ(p.at(20, 20), kBlack);
    EXPECT_EQ(p.at(21, 24), kBlack);
    EXPECT_EQ(p.at(27, 27), kBlack);
    EXPECT_EQ(p.at(22, 22), kGreen);
    EXPECT_EQ(p.at(25, 25), kGreen);
    EXPECT_EQ(p.at(28, 24), kWhite);
}

} // namespace
} // namespace hydrolofter
