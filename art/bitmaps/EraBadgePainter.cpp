#include "bitmaps/EraBadgePainter.h"

#include <QPainter>
#include <QRadialGradient>

#include "bitmaps/ConsoleStyle.h"

namespace orb::art {

QImage EraBadgePainter::Paint(bool anno) {
    QImage image(48, 48, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QPointF centre(24, 24);

    QLinearGradient rim(0, 2, 0, 46);
    rim.setColorAt(0.0, QColor(170, 176, 188));
    rim.setColorAt(1.0, QColor(50, 54, 62));
    p.setPen(Qt::NoPen);
    p.setBrush(rim);
    p.drawEllipse(centre, 22.5, 22.5);

    // Only a handful of distinct tones, so the 16-colour table holds them.
    const QColor glass = anno ? QColor(20, 70, 150) : QColor(150, 30, 16);
    const QColor hot = anno ? QColor(80, 170, 255) : QColor(255, 110, 40);
    QRadialGradient lamp(centre + QPointF(-5, -6), 22);
    lamp.setColorAt(0.0, hot);
    lamp.setColorAt(1.0, glass);
    p.setBrush(lamp);
    p.drawEllipse(centre, 18.5, 18.5);

    p.setFont(console::SansFont(19, true));
    p.setPen(QColor(0, 0, 0, 140));
    p.drawText(QRectF(1, 1.5, 48, 48), Qt::AlignCenter,
               anno ? QStringLiteral("AD") : QStringLiteral("BC"));
    p.setPen(QColor(255, 255, 240));
    p.drawText(QRectF(0, 0.5, 48, 48), Qt::AlignCenter,
               anno ? QStringLiteral("AD") : QStringLiteral("BC"));
    return image;
}

}  // namespace orb::art
