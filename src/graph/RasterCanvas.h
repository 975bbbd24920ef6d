// A Canvas over 32-bit pixels in memory: exact integer lines, rectangles and pixels; text is
// left to the platform that shows them.
#pragma once

#include "Canvas.h"

#include <cmath>
#include <cstddef>

namespace hydrolofter {

/// Draws into rows of 32-bit pixels 0xAARRGGBB (opaque). Lines are rasterised here
/// (Bresenham, start pixel drawn, end pixel not), so every pixel lands exactly where the
/// graph's rules put it, on every platform. Drawing outside the pixels is clipped.
/// At a scale above 1 (a screen's device pixel ratio) the painter draws in units of that
/// many pixels: a pixel it sets is a block, a line as wide as its pen at that scale.
class RasterCanvas : public Canvas {
public:
    /// bits: height rows of stride bytes each; they stay alive while the canvas is used. The
    /// painter sees width ÷ scale by height ÷ scale units.
    RasterCanvas(unsigned char* bits, std::ptrdiff_t stride, int width, int height,
                 double scale = 1);

    ClientRect clientRect() const override;
    Pen selectPen(const Pen& pen) override;
    Brush selectBrush(const Brush& brush) override;
    Font selectFont(const Font& font) override;
    void rectangle(int left, int top, int right, int bottom) override;
    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void setPixel(int x, int y, Rgb colour) override {
        if (scale_ != 1)
            fill(device(x), device(y), device(x + 1), device(y + 1), packed(colour));
        else if (x >= 0 && y >= 0 && x < width_ && y < height_)
            row(y)[x] = packed(colour);
    }
    void setPixelRow(int x, int y, const Rgb* colours, int n) override;

    static unsigned packed(Rgb c) {
        return 0xff000000u | (unsigned(c.r) << 16) | (unsigned(c.g) << 8) | c.b;
    }

protected:
    const Font& font() const { return font_; }
    double scale() const { return scale_; }
    /// The pixel where a unit of the painter's starts.
    int device(int v) const { return scale_ == 1 ? v : int(std::lround(v * scale_)); }

private:
    unsigned* row(int y) {
        return reinterpret_cast<unsigned*>(bits_ + std::ptrdiff_t(y) * stride_);
    }
    void plot(int x, int y, Rgb colour);
    /// Pixels [x0, x1) × [y0, y1), clipped.
    void fill(int x0, int y0, int x1, int y1, unsigned colour);

    unsigned char* bits_;
    std::ptrdiff_t stride_;
    int width_;
    int height_;
    double scale_;
    Pen pen_;
    Brush brush_;
    Font font_;
    int curX_ = 0;
    int curY_ = 0;
};

} // namespace hydrolofter
