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
    : painter_(painter), width_(width), height_(height), screenScale_(screenPixelsPerUnit) {
    painter_.save();
    painter_.setClipRect(0, 0, width, height);
}

PainterCanvas::~PainterCanvas() {
    flushPixels();
    painter_.restore();
}

Pen PainterCanvas::selectPen(const Pen& pen) {
    return std::exchange(pen_, pen);
}
Brush PainterCanvas::selectBrush(const Brush& brush) {
    return std::exchange(brush_, brush);
}
Font PainterCanvas::selectFont(const Font& font) {
    return std::exchange(font_, font);
}

void PainterCanvas::flushPixels() {
    if (pixels_.isNull())
        return;
    painter_.drawImage(0, 0, pixels_);
    pixels_ = QImage();
}

QPen PainterCanvas::linePen() const {
    const int width = std::max(pen_.width, 1);
    if (screenScale_ <= 0)
        return QPen(qColour(pen_.colour), width);
    QPen pen(qColour(pen_.colour), std::max(1, qRound(width * screenScale_)));
    pen.setCosmetic(true);
    return pen;
}

void PainterCanvas::setPixel(int x, int y, Rgb colour) {
    setPixelRow(x, y, &colour, 1);
}

void PainterCanvas::setPixelRow(int x, int y, const Rgb* colours, int n) {
    if (y < 0 || y >= height_)
        return;
    if (pixels_.isNull()) {
        pixels_ = QImage(width_, height_, QImage::Format_ARGB32);
        pixels_.fill(Qt::transparent);
    }
    auto* row = reinterpret_cast<QRgb*>(pixels_.scanLine(y));
    for (int i = std::max(0, -x); i < n && x + i < width_; ++i)
        row[x + i] = qRgb(colours[i].r, colours[i].g, colours[i].b);
}

void PainterCanvas::rectangle(int left, int top, int right, int bottom) {
    flushPixels();
    if (right - left > 2 && bottom - top > 2)
        painter_.fillRect(QRectF(left + 1, top + 1, right - left - 2, bottom - top - 2),
                          qColour(brush_.colour));
    if (right - left < 1 || bottom - top < 1)
        return;
    // The outline runs through the centres of the outermost rows and columns.
    QPen pen = linePen();
    pen.setJoinStyle(Qt::MiterJoin);
    painter_.setPen(pen);
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(QRectF(left + 0.5, top + 0.5, right - left - 1, bottom - top - 1));
}

void PainterCanvas::moveTo(int x, int y) {
    curX_ = x;
    curY_ = y;
}

void PainterCanvas::lineTo(int x, int y) {
    flushPixels();
    QPen pen = linePen();
    pen.setCapStyle(Qt::FlatCap);
    painter_.setPen(pen);
    painter_.drawLine(QPointF(curX_ + 0.5, curY_ + 0.5), QPointF(x + 0.5, y + 0.5));
    curX_ = x;
    curY_ = y;
}

int PainterCanvas::textWidth(const std::string& text) const {
    // The layout is the window's: measure as the window does.
    return QFontMetrics(QGuiApplication::font()).horizontalAdvance(QString::fromStdString(text));
}

void PainterCanvas::textOut(int x, int y, const std::string& text) {
    if (text.empty())
        return;
    flushPixels();
    painter_.save();
    const QFont font = canvasFont();
    painter_.setFont(font);
    painter_.setPen(Qt::black);
    painter_.translate(x, y);
    if (font_.escapement != 0)
        painter_.rotate(-font_.escapement / 10.0); // counter-clockwise on the page
    const QString s = QString::fromStdString(text);
    const QFontMetricsF fm(QGuiApplication::font());
    painter_.fillRect(QRectF(0, 0, fm.horizontalAdvance(s), fm.height()), Qt::white);
    painter_.drawText(QPointF(0, fm.ascent()), s);
    painter_.restore();
}

} // namespace hydrolofter
