// Vector drawings; nothing here is loaded from a file.
#include "Artwork.h"

#include "Version.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace hydrolofter {
namespace {

/// A bottle rocket standing on its nose-up axis, scaled to fit a box of height h whose
/// bottom centre is at (cx, bottom).
void drawRocket(QPainter& p, double cx, double bottom, double h, bool water) {
    const double w = h * 0.30;    // bottle width
    const double body = h * 0.62; // cylindrical part
    const double nose = h * 0.22; // nose cone
    const double top = bottom - h;
    // Fins
    QPainterPath fins;
    fins.moveTo(cx - w / 2, bottom - h * 0.30);
    fins.lineTo(cx - w * 1.05, bottom);
    fins.lineTo(cx - w / 2, bottom - h * 0.06);
    fins.closeSubpath();
    fins.moveTo(cx + w / 2, bottom - h * 0.30);
    fins.lineTo(cx + w * 1.05, bottom);
    fins.lineTo(cx + w / 2, bottom - h * 0.06);
    fins.closeSubpath();
    p.setPen(QPen(QColor(90, 20, 20), std::max(1.0, h / 60)));
    p.setBrush(QColor(200, 40, 40));
    p.drawPath(fins);
    // Bottle body with a shine
    QPainterPath bottle;
    const double shoulder = top + nose;
    bottle.moveTo(cx, top);
    bottle.cubicTo(cx + w * 0.55, top + nose * 0.3, cx + w / 2, shoulder - nose * 0.2, cx + w / 2,
                   shoulder);
    bottle.lineTo(cx + w / 2, shoulder + body);
    bottle.quadTo(cx + w / 2, bottom - h * 0.04, cx + w * 0.12, bottom - h * 0.04);
    bottle.lineTo(cx - w * 0.12, bottom - h * 0.04);
    bottle.quadTo(cx - w / 2, bottom - h * 0.04, cx - w / 2, shoulder + body);
    bottle.lineTo(cx - w / 2, shoulder);
    bottle.cubicTo(cx - w / 2, shoulder - nose * 0.2, cx - w * 0.55, top + nose * 0.3, cx, top);
    QLinearGradient glass(cx - w / 2, 0, cx + w / 2, 0);
    glass.setColorAt(0, QColor(150, 200, 230));
    glass.setColorAt(0.35, QColor(235, 250, 255));
    glass.setColorAt(1, QColor(110, 160, 200));
    p.setPen(QPen(QColor(40, 70, 100), std::max(1.0, h / 60)));
    p.setBrush(glass);
    p.drawPath(bottle);
    if (water) {
        // The water sits in the lower part of the upside-down bottle.
        p.save();
        p.setClipPath(bottle);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 110, 220, 200));
        p.drawRect(QRectF(cx - w, bottom - h * 0.40, 2 * w, h * 0.40));
        p.restore();
    }
    // Nozzle
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 60, 60));
    p.drawRect(QRectF(cx - w * 0.12, bottom - h * 0.05, w * 0.24, h * 0.05));
}

} // namespace

QImage drawIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // A small spray of water under the rocket.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 150, 255));
    p.drawEllipse(QRectF(size * 0.38, size * 0.86, size * 0.24, size * 0.12));
    drawRocket(p, size / 2.0, size * 0.9, size * 0.88, true);
    return image;
}

namespace {

/// Dusk sky: deep blue above, orange at the horizon, a low sun, a few stars, the ground.
void drawDusk(QPainter& p, const QRect& rect) {
    QLinearGradient sky(0, 0, 0, 300);
    sky.setColorAt(0, QColor(18, 24, 70));
    sky.setColorAt(0.55, QColor(120, 60, 120));
    sky.setColorAt(0.85, QColor(245, 140, 60));
    sky.setColorAt(1, QColor(250, 190, 90));
    p.fillRect(rect, sky);
    QRadialGradient sun(470, 262, 70);
    sun.setColorAt(0, QColor(255, 240, 170, 230));
    sun.setColorAt(1, QColor(255, 200, 120, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(sun);
    p.drawEllipse(QPointF(470, 262), 70, 70);
    // A few early stars.
    p.setBrush(QColor(255, 255, 230));
    const QPointF stars[] = {{40, 30},  {120, 55}, {230, 20}, {330, 48}, {420, 18},
                             {560, 40}, {505, 85}, {80, 95},  {280, 80}};
    for (const QPointF& s : stars)
        p.drawEllipse(s, 1.3, 1.3);
    // Ground
    QPainterPath ground;
    ground.moveTo(0, 262);
    ground.cubicTo(150, 250, 300, 270, 600, 256);
    ground.lineTo(600, 300);
    ground.lineTo(0, 300);
    ground.closeSubpath();
    p.setBrush(QColor(30, 45, 30));
    p.drawPath(ground);
}

/// The launch stand (a base, legs and the rod), its hose and the rocket on it.
void drawStand(QPainter& p) {
    const double cx = 130, pad = 262;
    p.setPen(QPen(QColor(50, 50, 55), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(cx - 45, pad + 8), QPointF(cx, pad - 12));
    p.drawLine(QPointF(cx + 45, pad + 8), QPointF(cx, pad - 12));
    p.setPen(QPen(QColor(170, 170, 175), 3));
    p.drawLine(QPointF(cx, pad - 12), QPointF(cx, pad - 40));
    p.setPen(QPen(QColor(60, 60, 65), 2));
    p.setBrush(QColor(90, 90, 95));
    p.drawRect(QRectF(cx - 20, pad - 16, 40, 6));
    // A hose from the stand off to the pump.
    p.setPen(QPen(QColor(20, 20, 20), 2));
    p.setBrush(Qt::NoBrush);
    QPainterPath hose;
    hose.moveTo(cx + 18, pad - 12);
    hose.cubicTo(cx + 60, pad + 10, cx + 110, pad - 5, cx + 150, pad + 12);
    p.drawPath(hose);
    drawRocket(p, cx, pad - 20, 200, true);
}

/// The title and the lines under it.
void drawTitleText(QPainter& p) {
    QFont title(QStringLiteral("Sans Serif"));
    title.setPixelSize(46);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(0, 0, 0, 120));
    p.drawText(QPointF(253, 103), QStringLiteral("Hydrolofter"));
    p.setPen(QColor(255, 245, 225));
    p.drawText(QPointF(250, 100), QStringLiteral("Hydrolofter"));
    QFont line(QStringLiteral("Sans Serif"));
    line.setPixelSize(17);
    p.setFont(line);
    p.setPen(QColor(255, 235, 200));
    p.drawText(QPointF(254, 132), QStringLiteral("Water rocket flight simulator"));
    line.setPixelSize(14);
    p.setFont(line);
    p.setPen(QColor(240, 240, 255));
    p.drawText(QPointF(254, 170), QStringLiteral("by the Hydrolofter developers"));
    p.drawText(QPointF(254, 192), QStringLiteral("Contact: see the project's README"));
    p.drawText(QPointF(254, 214), QStringLiteral("Version ") + QString::fromUtf8(kVersion));
}

} // namespace

QImage drawTitlePicture() {
    QImage image(600, 300, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    drawDusk(p, image.rect());
    drawStand(p);
    drawTitleText(p);
    return image;
}

} // namespace hydrolofter
