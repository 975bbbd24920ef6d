// The raster canvas at a screen's device pixel ratio: the painter's units as blocks of pixels.
#include "graph/RasterCanvas.h"

#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace hydrolofter {
namespace {

/// 40 × 40 white pixels; text is the platform's, none is drawn here.
struct Picture final : RasterCanvas {
    std::vector<unsigned> words;
    explicit Picture(double scale, std::vector<unsigned> w = std::vector<unsigned>(1600, ~0u))
        : RasterCanvas(reinterpret_cast<unsigned char*>(w.data()), 160, 40, 40, scale),
          words(std::move(w)) {}
    unsigned at(int x, int y) const { return words[std::size_t(y * 40 + x)]; }
    void textOut(int, int, const std::string&) override {}
    int textWidth(const std::string&) const override { return 0; }
};

TEST(RasterCanvas, AtScaleTwoEachUnitIsATwoByTwoBlock) {
    constexpr unsigned kWhite = ~0u, kBlack = 0xff000000u, kRed = 0xffff0000u;
    Picture c(2);
    EXPECT_EQ(c.clientRect().right, 20);
    EXPECT_EQ(Picture(1.5).clientRect().bottom, 26); // 40 ÷ 1.5 = 26.7 whole units
    c.setPixel(1, 1, Rgb{255, 0, 0});
    EXPECT_TRUE(c.at(2, 2) == kRed && c.at(3, 3) == kRed && c.at(4, 2) == kWhite);
    // A one-unit pen's line at y = 5 covers rows 10 and 11.
    c.selectPen(Pen{1, Rgb{0, 0, 0}});
    c.moveTo(0, 5);
    c.lineTo(5, 5);
    for (int x = 0; x < 10; ++x)
        EXPECT_TRUE(c.at(x, 10) == kBlack && c.at(x, 11) == kBlack) << x;
    EXPECT_TRUE(c.at(0, 9) == kWhite && c.at(0, 12) == kWhite);
    // Rectangle [10, 14)²: the outline units 10 and 13 (pixels 20–21, 26–27), the fill 22–25.
    c.selectBrush(Brush{Rgb{0, 255, 0}});
    c.rectangle(10, 10, 14, 14);
    EXPECT_TRUE(c.at(21, 24) == kBlack && c.at(27, 27) == kBlack && c.at(28, 24) == kWhite);
    EXPECT_TRUE(c.at(22, 22) == 0xff00ff00u && c.at(25, 25) == 0xff00ff00u);
}

} // namespace
} // namespace hydrolofter
