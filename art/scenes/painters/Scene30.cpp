#include "kit/PaintKit.h"
#include "scenes/ScenePainters.h"
#include "scenes/painters/AgesKit.h"

#include <algorithm>
#include <cmath>

namespace orb::art {

using namespace ages;

// After the giant: the Sun shrunk to a white dwarf, a hard blue-white point
// inside the glowing shell it shed, over a frozen, dead Earth. The viewer
// dims this scene as the ages pass, so the land is kept fairly light and its
// shapes bold enough to read when darker.
QImage PaintScene30() {
    QImage img = NewSceneCanvas();
    const int horizon = 206;
    const QPointF dwarf(360, 74);
    const ColorStop sky[] = {
        {0.0, QColor(4, 6, 16)}, {0.7, QColor(14, 22, 44)}, {1.0, QColor(40, 56, 84)}};
    FillSky(img, sky, 3, 0, horizon + 10);

    // The shed envelope: a ring nebula around the dwarf, teal inside and red
    // at its rim, broken up by noise.
    for (int y = 0; y < horizon + 10; ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < kWidth; ++x) {
            const double dx = (x - dwarf.x()) / 1.15;
            const double dy = y - dwarf.y();
            const double d = std::hypot(dx, dy) / 92.0;
            if (d > 1.6) {
                continue;
            }
            const double n = Fbm(x / 22.0, y / 22.0, 4, 3001);
            const double shell = std::exp(-std::pow((d - 0.85 - (n - 0.5) * 0.3) / 0.2, 2.0));
            const double inner = std::exp(-std::pow(d / 0.65, 2.0)) * 0.5;
            QColor c(row[x]);
            c = Mix(c, QColor(60, 170, 180), Clamp01(inner * (0.6 + 0.6 * n)));
            c = Mix(c, QColor(200, 70, 90), Clamp01(shell * (0.35 + 0.7 * n)));
            c = Mix(c, QColor(240, 160, 140), Clamp01(shell * shell * 0.35 * n));
            row[x] = c.rgb();
        }
    }
    // Stars.
    Rng rng(30);
    {
        CanvasPainter p(img);
        for (int i = 0; i < 260; ++i) {
            const double x = rng.Range(0, kWidth);
            const double y = rng.Range(0, horizon);
            const double b = rng.Uniform();
            const int level = static_cast<int>(90 + 165 * b * b);
            const QColor tint = rng.Uniform() < 0.3
                                    ? QColor(level, level * 9 / 10, level * 3 / 4)
                                    : QColor(level * 9 / 10, level * 19 / 20, level);
            p.setBrush(tint);
            const double r = 0.45 + 0.9 * b * b;
            p.drawEllipse(QPointF(x, y), r, r);
        }
        // A few bright stars with spikes.
        for (int i = 0; i < 5; ++i) {
            const QPointF s(rng.Range(20, 500), rng.Range(10, 150));
            p.setPen(QPen(QColor(200, 214, 255, 140), 0.8));
            p.drawLine(s - QPointF(5, 0), s + QPointF(5, 0));
            p.drawLine(s - QPointF(0, 5), s + QPointF(0, 5));
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(240, 244, 255));
            p.drawEllipse(s, 1.3, 1.3);
        }
    }
    // The white dwarf itself: tiny, but it lights everything.
    ScreenGlow(img, dwarf, 60, QColor(170, 200, 255), 0.8);
    ScreenGlow(img, dwarf, 16, QColor(240, 246, 255), 1.0);
    {
        CanvasPainter p(img);
        p.setPen(QPen(QColor(220, 232, 255, 170), 1.0));
        p.drawLine(dwarf - QPointF(26, 0), dwarf + QPointF(26, 0));
        p.drawLine(dwarf - QPointF(0, 26), dwarf + QPointF(0, 26));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255));
        p.drawEllipse(dwarf, 2.6, 2.6);
    }

    // Far ice ranges, their sides toward the dwarf catching its light.
    LandStyle far{horizon,
                  70,
                  0.01,
                  5,
                  true,
                  QColor(96, 110, 146),
                  QColor(54, 66, 98),
                  0.55,
                  QColor(160, 178, 212),
                  16.0,
                  3002};
    PaintLand(img, far);

    // The frozen sea: a plain of ice in perspective, with pressure cracks and
    // a faint sheen of the dwarf's light.
    for (int y = horizon; y < kHeight; ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        const double dy = y - horizon + 3.0;
        const double z = 80.0 / dy;
        for (int x = 0; x < kWidth; ++x) {
            const double wx = (x - 256.0) * z / 220.0;
            const double frost = Fbm(wx * 3.0, z * 3.0, 3, 3003);
            const double crack = RidgedFbm(wx * 1.6 + 9.0, z * 1.6, 3, 3004);
            QColor c = Mix(QColor(64, 80, 116), QColor(140, 160, 196), frost);
            const double far = Clamp01(1.0 - dy / 30.0);
            c = Mix(c, QColor(26, 36, 60), SmoothStep(0.8, 0.95, crack) * (1.0 - far) * 0.8);
            // Light path of the dwarf across the ice.
            const double path = std::exp(-std::pow((x - dwarf.x()) / (14.0 + dy * 0.9), 2.0));
            c = Mix(c, QColor(230, 240, 255), path * 0.45);
            c = Mix(c, QColor(50, 62, 94), far * 0.5);
            row[x] = c.rgb();
        }
    }

    {
        CanvasPainter p(img);
        // Ice spires and blocks, lit on the side facing the dwarf (right).
        const double spires[][3] = {{30, 306, 96},  {62, 310, 60},  {96, 316, 40},  {150, 286, 30},
                                    {470, 318, 88}, {440, 312, 50}, {410, 298, 32}, {226, 262, 16},
                                    {300, 254, 12}, {262, 270, 20}};
        for (const auto& s : spires) {
            const double x = s[0];
            const double base = s[1];
            const double h = s[2];
            const double w = h * 0.55;
            QPolygonF shade;
            shade << QPointF(x - w / 2, base) << QPointF(x - w * 0.1, base - h)
                  << QPointF(x + w * 0.05, base - h * 0.95) << QPointF(x + w * 0.05, base);
            QPolygonF lit;
            lit << QPointF(x + w * 0.05, base) << QPointF(x + w * 0.05, base - h * 0.95)
                << QPointF(x - w * 0.1, base - h) << QPointF(x + w * 0.5, base);
            p.setBrush(Gradient(QPointF(0, base - h), QPointF(0, base), QColor(80, 100, 140),
                                QColor(54, 68, 104)));
            p.drawPolygon(shade);
            p.setBrush(Gradient(QPointF(0, base - h), QPointF(0, base), QColor(226, 236, 252),
                                QColor(150, 170, 206)));
            p.drawPolygon(lit);
            // Their long shadows stretch away from the dwarf.
            QPolygonF shadow;
            shadow << QPointF(x - w / 2, base) << QPointF(x + w * 0.5, base)
                   << QPointF(x - w * 1.8, base + h * 0.12)
                   << QPointF(x - w * 2.6, base + h * 0.08);
            p.setBrush(QColor(30, 40, 70, 110));
            p.drawPolygon(shadow);
        }
        // Snow drifts along the bottom edge.
        QPainterPath drift;
        drift.moveTo(-5, 320);
        drift.lineTo(-5, 312);
        drift.cubicTo(80, 302, 160, 316, 240, 310);
        drift.cubicTo(320, 304, 400, 314, 520, 306);
        drift.lineTo(520, 320);
        drift.closeSubpath();
        p.setBrush(Gradient(QPointF(0, 302), QPointF(0, 320), QColor(190, 206, 232),
                            QColor(140, 158, 192)));
        p.drawPath(drift);
    }
    return img;
}

}  // namespace orb::art
