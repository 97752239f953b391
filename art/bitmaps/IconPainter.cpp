#include "bitmaps/IconPainter.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace orb::art {
namespace {

void PaintOrb(QPainter& p, double s) {
    const QPointF c(s * 0.5, s * 0.5);
    // Dark tile.
    QLinearGradient tile(0, 0, 0, s);
    tile.setColorAt(0.0, QColor(28, 44, 96));
    tile.setColorAt(1.0, QColor(6, 10, 30));
    p.setPen(Qt::NoPen);
    p.setBrush(tile);
    p.drawRoundedRect(QRectF(s * 0.03, s * 0.03, s * 0.94, s * 0.94), s * 0.18, s * 0.18);

    const double rx = s * 0.43;
    const double ry = s * 0.15;
    const double tilt = -24.0;
    const double ring = std::max(1.0, s * 0.05);
    QPainterPath orbit;
    orbit.addEllipse(QPointF(0, 0), rx, ry);
    QTransform place;
    place.translate(c.x(), c.y());
    place.rotate(tilt);
    const QPainterPath orbitPath = place.map(orbit);
    const QPen orbitPen(QColor(120, 220, 255), ring, Qt::SolidLine, Qt::RoundCap);

    // Back half of the orbit first, then the orb, then the front half.
    QPainterPath backHalf;
    backHalf.addRect(QRectF(-s, -s, 2 * s, s));
    const QPainterPath backClip = place.map(backHalf);
    p.save();
    p.setClipPath(backClip);
    p.strokePath(orbitPath, orbitPen);
    p.restore();

    const double r = s * 0.27;
    QRadialGradient glow(c + QPointF(-r * 0.35, -r * 0.4), r * 1.3);
    glow.setColorAt(0.0, QColor(255, 244, 190));
    glow.setColorAt(0.45, QColor(255, 178, 46));
    glow.setColorAt(1.0, QColor(170, 70, 0));
    p.setBrush(glow);
    p.drawEllipse(c, r, r);

    if (s >= 32) {
        // Clock hands: ten past ten, the face of a clock.
        p.setPen(QPen(QColor(70, 30, 0), std::max(1.2, s * 0.035), Qt::SolidLine, Qt::RoundCap));
        p.drawLine(c, c + QPointF(-r * 0.45, -r * 0.3));
        p.drawLine(c, c + QPointF(r * 0.35, -r * 0.62));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(70, 30, 0));
        p.drawEllipse(c, s * 0.025, s * 0.025);
    }

    QPainterPath frontHalf;
    frontHalf.addRect(QRectF(-s, 0, 2 * s, s));
    p.save();
    p.setClipPath(place.map(frontHalf));
    p.strokePath(orbitPath, orbitPen);
    p.restore();

    // A traveller on the orbit.
    const double a = 0.35;
    const QPointF dot = place.map(QPointF(rx * std::cos(a), ry * std::sin(a)));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255));
    p.drawEllipse(dot, ring * 1.2, ring * 1.2);
}

QImage NewIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

}  // namespace

QImage IconPainter::Viewer(int size) {
    QImage image = NewIcon(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    PaintOrb(p, size);
    return image;
}

QImage IconPainter::Setup(int size) {
    QImage image = NewIcon(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    PaintOrb(p, size);
    // Install badge in the lower right: a green disc with an arrow into a tray.
    const double s = size;
    const QPointF c(s * 0.74, s * 0.74);
    const double r = s * 0.24;
    p.setPen(QPen(QColor(10, 30, 12), std::max(1.0, s * 0.03)));
    p.setBrush(QColor(60, 190, 80));
    p.drawEllipse(c, r, r);
    QPainterPath arrow;
    arrow.moveTo(c + QPointF(-r * 0.18, -r * 0.62));
    arrow.lineTo(c + QPointF(r * 0.18, -r * 0.62));
    arrow.lineTo(c + QPointF(r * 0.18, -r * 0.05));
    arrow.lineTo(c + QPointF(r * 0.45, -r * 0.05));
    arrow.lineTo(c + QPointF(0, r * 0.42));
    arrow.lineTo(c + QPointF(-r * 0.45, -r * 0.05));
    arrow.lineTo(c + QPointF(-r * 0.18, -r * 0.05));
    arrow.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(arrow);
    p.fillRect(QRectF(c.x() - r * 0.5, c.y() + r * 0.52, r, std::max(1.0, r * 0.14)), Qt::white);
    return image;
}

}  // namespace orb::art
