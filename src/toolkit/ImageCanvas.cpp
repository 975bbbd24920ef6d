#include "ImageCanvas.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <cstdlib>
#include <utility>

namespace hydrolofter {

ImageCanvas::ImageCanvas(QImage& image)
    : m_image(image), m_bits(image.bits()), m_stride(image.bytesPerLine()), m_width(image.width()),
      m_height(image.height()) {}

ClientRect ImageCanvas::clientRect() const {
    return {0, 0, m_width, m_height};
}

Pen ImageCanvas::selectPen(const Pen& pen) {
    return std::exchange(m_pen, pen);
}
Brush ImageCanvas::selectBrush(const Brush& brush) {
    return std::exchange(m_brush, brush);
}
Font ImageCanvas::selectFont(const Font& font) {
    return std::exchange(m_font, font);
}

void ImageCanvas::plot(int x, int y, Rgb colour) {
    if (m_pen.width <= 1) {
        setPixel(x, y, colour);
        return;
    }
    // A wider pen is a square centred on the line.
    const int from = -(m_pen.width / 2);
    for (int dy = from; dy < from + m_pen.width; ++dy) {
        for (int dx = from; dx < from + m_pen.width; ++dx)
            setPixel(x + dx, y + dy, colour);
    }
}

void ImageCanvas::setPixelRow(int x, int y, const Rgb* colours, int n) {
    if (y < 0 || y >= m_height)
        return;
    const int from = std::max(0, -x), to = std::min(n, m_width - x);
    unsigned* out = row(y) + x;
    for (int i = from; i < to; ++i) {
        out[i] = 0xff000000u | (unsigned(colours[i].r) << 16) | (unsigned(colours[i].g) << 8) |
                 colours[i].b;
    }
}

void ImageCanvas::rectangle(int left, int top, int right, int bottom) {
    const int x0 = std::max(left + 1, 0), x1 = std::min(right - 1, m_width);
    const int y0 = std::max(top + 1, 0), y1 = std::min(bottom - 1, m_height);
    const unsigned fill = 0xff000000u | (unsigned(m_brush.colour.r) << 16) |
                          (unsigned(m_brush.colour.g) << 8) | m_brush.colour.b;
    for (int y = y0; y < y1; ++y)
        std::fill(row(y) + x0, row(y) + std::max(x0, x1), fill);
    if (right - left < 1 || bottom - top < 1)
        return;
    // The outline covers the outermost rows and columns of [left, right) × [top, bottom).
    for (int x = left; x < right; ++x) {
        plot(x, top, m_pen.colour);
        plot(x, bottom - 1, m_pen.colour);
    }
    for (int y = top; y < bottom; ++y) {
        plot(left, y, m_pen.colour);
        plot(right - 1, y, m_pen.colour);
    }
}

void ImageCanvas::moveTo(int x, int y) {
    m_curX = x;
    m_curY = y;
}

void ImageCanvas::lineTo(int x, int y) {
    // Bresenham from the current position; the end pixel belongs to the next segment.
    int px = m_curX, py = m_curY;
    const int dx = std::abs(x - px), dy = -std::abs(y - py);
    const int sx = px < x ? 1 : -1, sy = py < y ? 1 : -1;
    int err = dx + dy;
    while (px != x || py != y) {
        plot(px, py, m_pen.colour);
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
    m_curX = x;
    m_curY = y;
}

int ImageCanvas::textWidth(const std::string& text) const {
    return QFontMetrics(QGuiApplication::font()).horizontalAdvance(QString::fromStdString(text));
}

void ImageCanvas::textOut(int x, int y, const std::string& text) {
    if (text.empty())
        return;
    QPainter painter(&m_image);
    const QFont font = QGuiApplication::font();
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.setBackground(Qt::white);
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.translate(x, y);
    if (m_font.escapement != 0)
        painter.rotate(-m_font.escapement / 10.0); // counter-clockwise on screen
    // (x, y) is the text's top-left corner; QPainter draws from the baseline.
    painter.drawText(QPointF(0, QFontMetrics(font).ascent()), QString::fromStdString(text));
}

} // namespace hydrolofter
