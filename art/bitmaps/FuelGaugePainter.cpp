#include "bitmaps/FuelGaugePainter.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "bitmaps/ButtonPainter.h"
#include "bitmaps/ConsoleStyle.h"
#include "bitmaps/Glow.h"

namespace orb::art {
namespace {

constexpr double kPi = 3.14159265358979;

QPointF OnArc(const QPointF& centre, double radius, double fraction) {
    // fraction 0 is empty (left), 1 is full (right).
    const double angle = kPi * (1.0 - fraction);
    return centre + QPointF(radius * std::cos(angle), -radius * std::sin(angle));
}

}  // namespace

QImage FuelGaugePainter::Paint() {
    QImage image = ButtonPainter::Blank();
    const QPointF pivot(80, 50);
    const double radius = 31;

    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        // The dial window.
        QPainterPath window;
        window.moveTo(pivot + QPointF(-radius - 7, 4));
        window.arcTo(QRectF(pivot.x() - radius - 7, pivot.y() - radius - 7, 2 * (radius + 7),
                            2 * (radius + 7)),
                     180, -180);
        window.lineTo(pivot + QPointF(radius + 7, 4));
        window.closeSubpath();
        p.setPen(QPen(QColor(16, 17, 20), 1.2));
        p.setBrush(QColor(10, 10, 12));
        p.drawPath(window);

        // The empty end is red.
        for (int i = 0; i <= 8; ++i) {
            const double f = i / 8.0;
            const bool major = i % 4 == 0;
            const QPointF a = OnArc(pivot, radius - (major ? 7 : 4), f);
            const QPointF b = OnArc(pivot, radius, f);
            p.setPen(QPen(i == 0 ? QColor(255, 60, 40) : console::kLegendLit, major ? 2.0 : 1.2));
            p.drawLine(a, b);
        }
        QPainterPath arc;
        arc.arcMoveTo(QRectF(pivot.x() - radius, pivot.y() - radius, 2 * radius, 2 * radius), 180);
        arc.arcTo(QRectF(pivot.x() - radius, pivot.y() - radius, 2 * radius, 2 * radius), 180,
                  -180);
        p.setPen(QPen(console::kLegendLit, 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(arc);
    }

    ButtonPainter::Legend(image, QStringLiteral("E"), QRectF(17, 38, 20, 16), 12, true);
    ButtonPainter::Legend(image, QStringLiteral("F"), QRectF(123, 38, 20, 16), 12, true);
    ButtonPainter::Legend(image, QStringLiteral("1/2"), QRectF(60, 4, 40, 14), 10, true);
    ButtonPainter::Legend(image, QStringLiteral("Fuel"), QRectF(60, 30, 40, 14), 10, true);

    // The needle stands near full: the machine is ready to travel.
    QPainterPath needle;
    const QPointF tip = OnArc(pivot, radius - 2, 0.82);
    const QPointF dir = (tip - pivot) / std::hypot(tip.x() - pivot.x(), tip.y() - pivot.y());
    const QPointF side(-dir.y() * 1.6, dir.x() * 1.6);
    needle.moveTo(pivot + side);
    needle.lineTo(tip);
    needle.lineTo(pivot - side);
    needle.closeSubpath();
    QImage layer = Glow::NewLayer(image.width(), image.height());
    {
        QPainter g(&layer);
        g.setRenderHint(QPainter::Antialiasing);
        g.setPen(Qt::NoPen);
        g.setBrush(QColor(255, 60, 0));
        g.drawPath(needle);
    }
    Glow::AddBlurred(image, layer, 2, 0.8);
    QPainter q(&image);
    q.setRenderHint(QPainter::Antialiasing);
    q.setPen(Qt::NoPen);
    q.setBrush(QColor(255, 96, 40));
    q.drawPath(needle);
    q.setBrush(QColor(150, 156, 168));
    q.drawEllipse(pivot, 3.2, 3.2);
    return image;
}

}  // namespace orb::art
