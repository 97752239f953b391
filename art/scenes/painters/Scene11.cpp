#include <QRadialGradient>
#include <cmath>

#include "kit/PaintKit.h"
#include "scenes/ScenePainters.h"
#include "scenes/painters/LifeKit.h"

namespace orb::art {

// The end of the Cretaceous: the asteroid strikes beyond the horizon. A white
// dome of fire swells up, a shock ring races across the sky and burning
// ejecta rain down over a forest seen against the glare.
QImage PaintScene11() {
    using namespace life;
    QImage image = NewSceneCanvas();
    const QPointF blast(330, 196);
    // Sky lit from the blast: hotter and brighter the closer to it.
    for (int y = 0; y < 320; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < 512; ++x) {
            const double d = std::hypot((x - blast.x()) * 0.8, (y - blast.y()) * 1.3) / 420.0;
            const double n = Fbm(x / 90.0, y / 35.0, 4, 1101) - 0.5;
            const ColorStop heat[] = {{0.0, QColor(255, 250, 220)},
                                      {0.12, QColor(255, 214, 120)},
                                      {0.35, QColor(236, 118, 48)},
                                      {0.7, QColor(150, 46, 36)},
                                      {1.0, QColor(70, 24, 32)}};
            row[x] = Ramp(heat, 5, Clamp01(d + n * 0.18)).rgb();
        }
    }
    Rng rng(0x1111);
    {
        CanvasPainter p(image);
        // The impactor's smoke trail down from the upper left.
        QPainterPath trail(QPointF(-20, -10));
        trail.quadTo(QPointF(180, 80), blast + QPointF(-10, -30));
        for (int i = 0; i < 4; ++i) {
            p.setPen(QPen(QColor(255, 230, 180, 40 + i * 30), 22.0 - i * 5.5, Qt::SolidLine,
                          Qt::RoundCap));
            p.setBrush(Qt::NoBrush);
            p.drawPath(trail);
        }
        p.setPen(Qt::NoPen);
        // Shock ring racing outward.
        for (int i = 0; i < 2; ++i) {
            const double r = 230 + i * 70;
            p.setPen(QPen(QColor(255, 236, 200, 110 - i * 50), 7 - i * 3));
            p.setBrush(Qt::NoBrush);
            p.drawArc(QRectF(blast.x() - r, blast.y() - r * 0.62, 2 * r, 2 * r * 0.62), 0,
                      180 * 16);
        }
        p.setPen(Qt::NoPen);
        // The fire dome and its rising column.
        Glow(p, blast, 260, QColor(255, 220, 150), 0.75);
        QRadialGradient dome(blast, 130);
        dome.setColorAt(0.0, QColor(255, 255, 250));
        dome.setColorAt(0.5, QColor(255, 240, 190));
        dome.setColorAt(0.85, QColor(255, 170, 80));
        dome.setColorAt(1.0, QColor(230, 100, 40, 0));
        p.setBrush(dome);
        p.drawEllipse(blast, 130, 104);
        // A billowing column of fire and smoke, dark and cooling as it climbs.
        for (int i = 0; i < 60; ++i) {
            const double t = i / 59.0;
            const double spread = 26 + 70 * t * t;
            const QPointF c = blast + QPointF(rng.Range(-spread, spread), -60 - t * 130);
            const double r = 16 + 16 * t + rng.Range(-4, 4);
            const QColor base = Mix(QColor(255, 220, 140), QColor(150, 50, 34), std::pow(t, 0.7));
            p.setBrush(base.darker(112));
            p.drawPath(Blob(c + QPointF(2, 3), r, r * 0.8, rng, 0.22, 11));
            p.setBrush(base.lighter(110));
            p.drawPath(Blob(c + QPointF(-r * 0.2, -r * 0.2), r * 0.7, r * 0.55, rng, 0.22, 10));
        }
        Glow(p, blast + QPointF(0, -60), 90, QColor(255, 245, 210), 0.6);
        // Burning ejecta arcing out and falling back.
        for (int i = 0; i < 34; ++i) {
            const double ang = rng.Range(-3.0, -0.14);
            const double len = rng.Range(80, 380);
            const QPointF end = blast + QPointF(std::cos(ang) * len, std::sin(ang) * len * 0.7);
            const QPointF start = end - QPointF(std::cos(ang) * 36, std::sin(ang) * 24 - 10);
            p.setPen(
                QPen(Gradient(start, end, QColor(255, 200, 120, 0), QColor(255, 240, 200, 230)),
                     rng.Range(1.2, 2.6), Qt::SolidLine, Qt::RoundCap));
            p.drawLine(start, end);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 250, 230));
            p.drawEllipse(end, 1.6, 1.6);
        }
        // Distant hills against the glare.
        const QPainterPath hills = RidgePath(200, 12, 0.02, 1102, 4);
        FillVertical(p, hills, QColor(110, 40, 34), QColor(80, 30, 30), 186, 210);
    }
    ReflectWater(image, 206, 206, 246, QColor(120, 40, 30), 0.2, 0.3, 1103, 6);

    {
        CanvasPainter p(image);
        // Foreground forest in silhouette, rim-lit from the blast.
        QPainterPath ground;
        ground.moveTo(-2, 246);
        ground.cubicTo(120, 236, 260, 250, 514, 238);
        ground.lineTo(514, 322);
        ground.lineTo(-2, 322);
        ground.closeSubpath();
        FillVertical(p, ground, QColor(96, 40, 28), QColor(34, 16, 18), 236, 320);
        Mottle(p, ground, QColor(140, 60, 30), 30, 6, 1104, 0.5, 0.55);
        const QColor dark(36, 17, 19);
        const QColor darkLeaf(42, 19, 20);
        for (int i = 0; i < 8; ++i) {
            const double x = rng.Range(0, 512);
            if (std::fabs(x - blast.x()) < 60) {
                continue;
            }
            PalmLike(p, rng, x, 244, rng.Range(40, 70), 0.25 * (x < blast.x() ? -1 : 1), darkLeaf,
                     dark, 9, 26);
        }
        BroadTree(p, rng, 40, 280, 150, 110, darkLeaf, dark);
        BroadTree(p, rng, 490, 270, 130, 100, darkLeaf, dark);
        Theropod(p, 150, 268, 0.55, true, QColor(60, 28, 26));
        Theropod(p, 190, 262, 0.4, true, QColor(70, 32, 28));
        for (int i = 0; i < 5; ++i) {
            const QPointF base(rng.Range(100, 420), 322);
            for (int f = 0; f < 5; ++f) {
                const double dx = (f - 2) * rng.Range(8, 12);
                Frond(p, base, base + QPointF(dx, -30), base + QPointF(dx * 2.2, -12), 7, dark,
                      QColor(70, 32, 26), 12, 1.3);
            }
        }
        // Glare washes over everything near the blast.
        Glow(p, blast, 140, QColor(255, 230, 170), 0.35);
    }
    return image;
}

}  // namespace orb::art
