#include "PainterCanvas.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <utility>

namespace hydrolofter {
namespace {

QColor qColour(Rgb c) {
    return QColor(c.r, c.g, c.b);
}

/// The window's font in canvas units: pixels, whatever the device's resolution.
QFont canvasFont() {
    QFont font = QGuiApplication::font();
    font.setPixelSize(QFontInfo(QGuiApplication::font()).pixelSize());
    return font;
}

} // namespace

PainterCanvas::PainterCanvas(QPainter& painter, int width, int height, double screenPixelsPerUnit)
    : m_painter(painter), m_width(width), m_height(height), m_screenScale(screenPixelsPerUnit) {
    m_painter.save();
    m_painter.setClipRect(0, 0, width, height);
}

PainterCanvas::~PainterCanvas() {
    flushPixels();
    m_painter.restore();
}

Pen PainterCanvas::selectPen(const Pen& pen) {
    return std::exchange(m_pen, pen);
}
Brush PainterCanvas::selectBrush(const Brush& brush) {
    return std::exchange(m_brush, brush);
}
Font PainterCanvas::selectFont(const Font& font) {
    return std::exchange(m_font, font);
}

void PainterCanvas::flushPixels() {
    if (m_pixels.isNull())
        return;
    m_painter.drawImage(0, 0, m_pixels);
    m_pixels = QImage();
}

QPen PainterCanvas::linePen() const {
    const int width = std::max(m_pen.width, 1);
    if (m_screenScale <= 0)
        return QPen(qColour(m_pen.colour), width);
    QPen pen(qColour(m_pen.colour), std::max(1, qRound(width * m_screenScale)));
    pen.setCosmetic(true);
    return pen;
}

void PainterCanvas::setPixel(int x, int y, Rgb colour) {
    setPixelRow(x, y, &colour, 1);
}

void PainterCanvas::setPixelRow(int x, int y, const Rgb* colours, int n) {
    if (y < 0 || y >= m_height)
        return;
    if (m_pixels.isNull()) {
        m_pixels = QImage(m_width, m_height, QImage::Format_ARGB32);
        m_pixels.fill(Qt::transparent);
    }
    auto* row = reinterpret_cast<QRgb*>(m_pixels.scanLine(y));
    for (int i = std::max(0, -x); i < n && x + i < m_width; ++i)
        row[x + i] = qRgb(colours[i].r, colours[i].g, colours[i].b);
}

void PainterCanvas::rectangle(int left, int top, int right, int bottom) {
    flushPixels();
    if (right - left > 2 && bottom - top > 2)
        m_painter.fillRect(QRectF(left + 1, top + 1, right - left - 2, bottom - top - 2),
                           qColour(m_brush.colour));
    if (right - left < 1 || bottom - top < 1)
        return;
    // The outline runs through the centres of the outermost rows and columns.
    QPen pen = linePen();
    pen.setJoinStyle(Qt::MiterJoin);
    m_painter.setPen(pen);
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawRect(QRectF(left + 0.5, top + 0.5, right - left - 1, bottom - top - 1));
}

void PainterCanvas::moveTo(int x, int y) {
    m_curX = x;
    m_curY = y;
}

void PainterCanvas::lineTo(int x, int y) {
    flushPixels();
    QPen pen = linePen();
    pen.setCapStyle(Qt::FlatCap);
    m_painter.setPen(pen);
    m_painter.drawLine(QPointF(m_curX + 0.5, m_curY + 0.5), QPointF(x + 0.5, y + 0.5));
    m_curX = x;
    m_curY = y;
}

int PainterCanvas::textWidth(const std::string& text) const {
    // The layout is the window's: measure as the window does.
    return QFontMetrics(QGuiApplication::font()).horizontalAdvance(QString::fromStdString(text));
}

void PainterCanvas::textOut(int x, int y, const std::string& text) {
    if (text.empty())
        return;
    flushPixels();
    m_painter.save();
    const QFont font = canvasFont();
    m_painter.setFont(font);
    m_painter.setPen(Qt::black);
    m_painter.translate(x, y);
    if (m_font.escapement != 0)
        m_painter.rotate(-m_font.escapement / 10.0); // counter-clockwise on the page
    const QString s = QString::fromStdString(text);
    const QFontMetricsF fm(QGuiApplication::font());
    m_painter.fillRect(QRectF(0, 0, fm.horizontalAdvance(s), fm.height()), Qt::white);
    m_painter.drawText(QPointF(0, fm.ascent()), s);
    m_painter.restore();
}

} // namespace hydrolofter
