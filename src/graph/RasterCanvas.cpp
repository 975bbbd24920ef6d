#include "RasterCanvas.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace hydrolofter {

RasterCanvas::RasterCanvas(unsigned char* bits, std::ptrdiff_t stride, int width, int height)
    : bits_(bits), stride_(stride), width_(width), height_(height) {}

ClientRect RasterCanvas::clientRect() const {
    return {0, 0, width_, height_};
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

void RasterCanvas::setPixelRow(int x, int y, const Rgb* colours, int n) {
    if (y < 0 || y >= height_)
        return;
    const int from = std::max(0, -x), to = std::min(n, width_ - x);
    unsigned* out = row(y) + x;
    for (int i = from; i < to; ++i) {
        out[i] = packed(colours[i]);
    }
}

void RasterCanvas::rectangle(int left, int top, int right, int bottom) {
    const int x0 = std::max(left + 1, 0), x1 = std::min(right - 1, width_);
    const int y0 = std::max(top + 1, 0), y1 = std::min(bottom - 1, height_);
    const unsigned fill = packed(brush_.colour);
    for (int y = y0; y < y1; ++y)
        std::fill(row(y) + x0, row(y) + std::max(x0, x1), fill);
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
    // Bresenham from the current position; the end pixel belongs to the next segment.
    int px = curX_, py = curY_;
    const int dx = std::abs(x - px), dy = -std::abs(y - py);
    const int sx = px < x ? 1 : -1, sy = py < y ? 1 : -1;
    int err = dx + dy;
    while (px != x || py != y) {
        plot(px, py, pen_.colour);
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
