#include "RasterCanvas.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace hydrolofter {

RasterCanvas::RasterCanvas(unsigned char* bits, std::ptrdiff_t stride, int width, int height,
                           double scale)
    : bits_(bits), stride_(stride), width_(width), height_(height),
      scale_(std::isfinite(scale) && scale > 1 ? scale : 1) {}

ClientRect RasterCanvas::clientRect() const {
    if (scale_ == 1)
        return {0, 0, width_, height_};
    return {0, 0, int(width_ / scale_), int(height_ / scale_)};
}

Pen RasterCanvas::selectPen(const Pen& pen) {
    return std::exchange(pen_, pen);
}
Brush RasterCanvas::selectBrush(const Brush& brush) {
    return std::exchange(brush_, brush);
}
Font RasterCanvas::selectFont(const Font& font) {
    return std::exchange(font_, font);
}

void RasterCanvas::plot(int x, int y, Rgb colour) {
    if (pen_.width <= 1) {
        setPixel(x, y, colour);
        return;
    }
    // A wider pen is a square centred on the line.
    const int from = -(pen_.width / 2);
    for (int dy = from; dy < from + pen_.width; ++dy) {
        for (int dx = from; dx < from + pen_.width; ++dx)
            setPixel(x + dx, y + dy, colour);
    }
}

void RasterCanvas::fill(int x0, int y0, int x1, int y1, unsigned colour) {
    x0 = std::max(x0, 0);
    x1 = std::min(x1, width_);
    for (int y = std::max(y0, 0); y < std::min(y1, height_); ++y)
        std::fill(row(y) + x0, row(y) + std::max(x0, x1), colour);
}

void RasterCanvas::setPixelRow(int x, int y, const Rgb* colours, int n) {
    if (scale_ != 1) {
        for (int i = 0; i < n; ++i)
            setPixel(x + i, y, colours[i]);
        return;
    }
    if (y < 0 || y >= height_)
        return;
    const int from = std::max(0, -x), to = std::min(n, width_ - x);
    unsigned* out = row(y) + x;
    for (int i = from; i < to; ++i) {
        out[i] = packed(colours[i]);
    }
}

void RasterCanvas::rectangle(int left, int top, int right, int bottom) {
    fill(device(left + 1), device(top + 1), device(right - 1), device(bottom - 1),
         packed(brush_.colour));
    if (right - left < 1 || bottom - top < 1)
        return;
    // The outline covers the outermost rows and columns of [left, right) × [top, bottom).
    for (int x = left; x < right; ++x) {
        plot(x, top, pen_.colour);
        plot(x, bottom - 1, pen_.colour);
    }
    for (int y = top; y < bottom; ++y) {
        plot(left, y, pen_.colour);
        plot(right - 1, y, pen_.colour);
    }
}

void RasterCanvas::moveTo(int x, int y) {
    curX_ = x;
    curY_ = y;
}

void RasterCanvas::lineTo(int x, int y) {
    // Bresenham from the current position; the end pixel belongs to the next segment. It runs
    // in pixels between the top-left corners of the pen's squares at both ends, so that a
    // scaled line is as sharp as the screen and covers the blocks its ends would.
    const int pen = std::max(1, pen_.width);
    const int side = scale_ == 1 ? pen : std::max(1, int(std::lround(pen * scale_)));
    const unsigned colour = packed(pen_.colour);
    int px = device(curX_ - pen / 2), py = device(curY_ - pen / 2);
    const int ex = device(x - pen / 2), ey = device(y - pen / 2);
    const int dx = std::abs(ex - px), dy = -std::abs(ey - py);
    const int sx = px < ex ? 1 : -1, sy = py < ey ? 1 : -1;
    int err = dx + dy;
    while (px != ex || py != ey) {
        if (side == 1) { // the usual thin line, pixel by pixel
            if (px >= 0 && py >= 0 && px < width_ && py < height_)
                row(py)[px] = colour;
        } else {
            fill(px, py, px + side, py + side, colour);
        }
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            px += sx;
        }
        if (e2 <= dx) {
            err += dx;
            py += sy;
        }
    }
    curX_ = x;
    curY_ = y;
}

} // namespace hydrolofter
