#include "ImageCanvas.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <cstdlib>
#include <utility>

namespace hydrolofter {

ImageCanvas::ImageCanvas(QImage& image)
    : image_(image), bits_(image.bits()), stride_(image.bytesPerLine()), width_(image.width()),
      height_(image.height()) {}

ClientRect ImageCanvas::clientRect() const {
    return {0, 0, width_, height_};
}

Pen ImageCanvas::selectPen(const Pen& pen) {
    return std::exchange(pen_, pen);
}
Brush ImageCanvas::selectBrush(const Brush& brush) {
    return std::exchange(brush_, brush);
}
Font ImageCanvas::selectFont(const Font& font) {
    return std::exchange(font_, font);
}

void ImageCanvas::plot(int x, int y, Rgb colour) {
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

void ImageCanvas::setPixelRow(int x, int y, const Rgb* colours, int n) {
    if (y < 0 || y >= height_)
        return;
    const int from = std::max(0, -x), to = std::min(n, width_ - x);
    unsigned* out = row(y) + x;
    for (int i = from; i < to; ++i) {
        out[i] = 0xff000000u | (unsigned(colours[i].r) << 16) | (unsigned(colours[i].g) << 8) |
                 colours[i].b;
    }
}

void ImageCanvas::rectangle(int left, int top, int right, int bottom) {
    const int x0 = std::max(left + 1, 0), x1 = std::min(right - 1, width_);
    const int y0 = std::max(top + 1, 0), y1 = std::min(bottom - 1, height_);
    const unsigned fill = 0xff000000u | (unsigned(brush_.colour.r) << 16) |
                          (unsigned(brush_.colour.g) << 8) | brush_.colour.b;
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

void ImageCanvas::moveTo(int x, int y) {
    curX_ = x;
    curY_ = y;
}

void ImageCanvas::lineTo(int x, int y) {
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

int ImageCanvas::textWidth(const std::string& text) const {
    return QFontMetrics(QGuiApplication::font()).horizontalAdvance(QString::fromStdString(text));
}

void ImageCanvas::textOut(int x, int y, const std::string& text) {
    if (text.empty())
        return;
    QPainter painter(&image_);
    const QFont font = QGuiApplication::font();
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.setBackground(Qt::white);
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.translate(x, y);
    if (font_.escapement != 0)
        painter.rotate(-font_.escapement / 10.0); // counter-clockwise on screen
    // (x, y) is the text's top-left corner; QPainter draws from the baseline.
    painter.drawText(QPointF(0, QFontMetrics(font).ascent()), QString::fromStdString(text));
}

} // namespace hydrolofter
