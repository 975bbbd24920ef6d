#include "ImageCanvas.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>

namespace hydrolofter {

ImageCanvas::ImageCanvas(QImage& image)
    : RasterCanvas(image.bits(), image.bytesPerLine(), image.width(), image.height()),
      m_image(image) {}

int ImageCanvas::textWidth(const std::string& text) const {
    return QFontMetrics(QGuiApplication::font()).horizontalAdvance(QString::fromStdString(text));
}

void ImageCanvas::textOut(int x, int y, const std::string& text) {
    if (text.empty())
        return;
    QPainter painter(&m_image);
    const QFont face = QGuiApplication::font();
    painter.setFont(face);
    painter.setPen(Qt::black);
    painter.setBackground(Qt::white);
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.translate(x, y);
    if (font().escapement != 0)
        painter.rotate(-font().escapement / 10.0); // counter-clockwise on screen
    // (x, y) is the text's top-left corner; QPainter draws from the baseline.
    painter.drawText(QPointF(0, QFontMetrics(face).ascent()), QString::fromStdString(text));
}

} // namespace hydrolofter
