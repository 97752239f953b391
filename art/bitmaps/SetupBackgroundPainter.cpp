#include "bitmaps/SetupBackgroundPainter.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>
#include <cmath>

#include "bitmaps/ConsoleStyle.h"
#include "bitmaps/Glow.h"
#include "version/ShownVersion.h"

namespace orb::art {

QImage SetupBackgroundPainter::Paint() {
    QImage image(800, 600, QImage::Format_RGB32);
    {
        QPainter p(&image);
        QLinearGradient sky(0, 0, 0, 600);
        sky.setColorAt(0.0, QColor(70, 140, 250));
        sky.setColorAt(0.35, QColor(24, 68, 180));
        sky.setColorAt(1.0, QColor(2, 8, 48));
        p.fillRect(image.rect(), sky);

        // A faint orbit sweeping behind the title.
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(255, 255, 255, 46), 2.0));
        p.setBrush(Qt::NoBrush);
        QTransform orbit;
        orbit.translate(400, 118);
        orbit.rotate(-6);
        p.setTransform(orbit);
        p.drawEllipse(QPointF(0, 0), 370, 62);
        // A small traveller on the near side of the orbit.
        const double a = 0.45;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 236, 170, 230));
        p.drawEllipse(QPointF(370 * std::cos(a), 62 * std::sin(a)), 5, 5);
        p.resetTransform();
    }

    const QFont title = console::SerifFont(124, true, true);
    const QFont version = console::SerifFont(30, false, true);
    const QRectF titleBox(0, 24, 800, 150);
    const QRectF versionBox(0, 172, 800, 40);
    const QString name = QStringLiteral("ORBILON");
    const QString line = QStringLiteral("Version " ORB_SHOWN_VERSION);

    // A soft dark shadow lifts the white letters off the gradient.
    QImage shadow = Glow::NewLayer(800, 600);
    {
        QPainter s(&shadow);
        s.setRenderHint(QPainter::TextAntialiasing);
        s.setPen(QColor(0, 0, 0));
        s.setFont(title);
        s.drawText(titleBox.translated(6, 7), Qt::AlignCenter, name);
        s.setFont(version);
        s.drawText(versionBox.translated(2, 3), Qt::AlignCenter, line);
    }
    {
        // Plus mode cannot darken, so the blurred shadow is laid on normally.
        QImage blurredOnly = Glow::NewLayer(800, 600);
        Glow::AddBlurred(blurredOnly, shadow, 4, 1.0);
        QPainter p(&image);
        p.setOpacity(0.6);
        p.drawImage(0, 0, blurredOnly);
    }
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(Qt::white);
    p.setFont(title);
    p.drawText(titleBox, Qt::AlignCenter, name);
    p.setPen(QColor(225, 235, 255));
    p.setFont(version);
    p.drawText(versionBox, Qt::AlignCenter, line);
    return image;
}

}  // namespace orb::art
