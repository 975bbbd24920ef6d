#include "ColourKey.h"

#include "units/NumberText.h"

#include <QPainter>

namespace hydrolofter {

ColourKey::ColourKey(QWidget* parent) : QFrame(parent) {}

void ColourKey::setScale(double lowest, double highest, const QString& unit) {
    const QString suffix = unit.isEmpty() ? QString() : " " + unit;
    low_ = QString::fromStdString(formatShort(lowest)) + suffix;
    high_ = QString::fromStdString(formatShort(highest)) + suffix;
    update();
}

void ColourKey::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    paint(p, rect(), high_, low_);
}

void ColourKey::paint(QPainter& p, const QRect& area, const QString& high, const QString& low) {
    p.save();
    p.translate(area.topLeft());
    const int width = area.width(), height = area.height();
    p.setPen(Qt::black);
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(0, 0, width, height).adjusted(0, 0, -1, -1));
    const int text = p.fontMetrics().height();
    const QRect bar(6, text + 6, 18, height - 2 * text - 12);
    if (bar.height() > 0) {
        for (int s = 0; s < 16; ++s) {
            // Shade s fills the s-th sixteenth from the bottom.
            const int top = bar.bottom() + 1 - (s + 1) * bar.height() / 16;
            const int bottom = bar.bottom() + 1 - s * bar.height() / 16;
            p.fillRect(QRect(bar.left(), top, bar.width(), bottom - top), QColor(0, 0, 16 * s));
        }
        p.drawRect(bar.adjusted(0, 0, -1, -1));
        p.drawText(QRect(4, 2, width - 8, text), Qt::AlignLeft, high);
        p.drawText(QRect(4, height - text - 2, width - 8, text), Qt::AlignLeft, low);
    }
    p.restore();
}

} // namespace hydrolofter
