#include "kit/PaintKit.h"
#include "scenes/ScenePainters.h"
#include "scenes/painters/AgesKit.h"

#include <algorithm>
#include <cmath>

namespace orb::art {

using namespace ages;

// The Sun as a red giant: its swollen, mottled disc fills most of the sky
// over a scorched Earth of black rock split by glowing cracks.
QImage PaintScene29() {
    QImage img = NewSceneCanvas();
    const int horizon = 214;
    const QPointF centre(256, -24);
    const double radius = 292;

    const ColorStop sky[] = {
        {0.0, QColor(70, 8, 6)}, {0.7, QColor(150, 34, 14)}, {1.0, QColor(220, 90, 30)}};
    const ColorStop disc[] = {{0.0, QColor(110, 14, 4)},
                              {0.35, QColor(196, 46, 12)},
                              {0.7, QColor(246, 110, 30)},
                              {0.9, QColor(255, 170, 70)},
                              {1.0, QColor(255, 206, 120)}};
    for (int y = 0; y < horizon; ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < kWidth; ++x) {
            const double d = std::hypot(x - centre.x(), y - centre.y()) / radius;
            QColor c = Ramp(sky, 3, static_cast<double>(y) / horizon);
            if (d < 1.0) {
                // Limb darkening: the disc dims and reddens toward its edge.
                const double mu = std::sqrt(1.0 - d * d);
                // Huge convection cells, stretched near the limb.
                const double cell = Fbm(x / 38.0, y / (38.0 * (0.4 + 0.6 * mu)), 4, 2901);
                const double fine = Fbm(x / 9.0, y / 9.0, 2, 2902);
                double level = 0.12 + 0.88 * std::pow(mu, 0.9);
                level *= 0.7 + 0.5 * cell + 0.08 * fine;
                // Dark spots where the field lines break through.
                const double spot = Fbm(x / 26.0 + 7.0, y / 26.0, 3, 2903);
                level *= 1.0 - 0.4 * SmoothStep(0.8, 0.86, spot) * mu;
                const QColor surf = Ramp(disc, 5, Clamp01(level));
                // A soft, glowing edge rather than a hard rim.
                c = Mix(c, surf, SmoothStep(1.0, 0.985, d));
            } else {
                // The giant's outer atmosphere glows past the limb.
                const double halo = std::exp(-(d - 1.0) * 9.0);
                c = Mix(c, QColor(255, 120, 40), 0.55 * halo);
            }
            row[x] = c.rgb();
        }
    }
    // Prominences licking off the limb.
    Rng rng(29);
    {
        CanvasPainter p(img);
        const double angles[] = {2.2, 2.5, 0.75, 1.05};
        for (double a : angles) {
            const QPointF base = centre + QPointF(std::cos(a), std::sin(a)) * radius;
            const QPointF out = centre + QPointF(std::cos(a), std::sin(a)) * (radius + 22);
            const QPointF side(-std::sin(a) * 18, std::cos(a) * 18);
            QPainterPath arc;
            arc.moveTo(base - side * 0.5);
            arc.cubicTo(out - side, out + side * 0.2, base + side * 0.5);
            arc.cubicTo(out - side * 0.1, out - side * 0.7, base - side * 0.5);
            p.setBrush(QColor(255, 140, 60, 150));
            p.drawPath(arc);
        }
    }

    // Far scorched ranges, dark against the glow.
    LandStyle range{horizon, 36,       0.012, 4,   true, QColor(70, 24, 18), QColor(96, 36, 22),
                    0.0,     QColor(), 40.0,  2904};
    PaintLand(img, range);

    // The plain in perspective: basalt crust with cracks of molten rock.
    for (int y = horizon; y < kHeight; ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        const double dy = y - horizon + 3.0;
        // Points on a flat ground plane seen from a little above it.
        const double z = 90.0 / dy;
        for (int x = 0; x < kWidth; ++x) {
            const double wx = (x - 256.0) * z / 200.0;
            const double crust = Fbm(wx * 4.0, z * 4.0, 3, 2905);
            const double vein = RidgedFbm(wx * 2.2 + 3.0, z * 2.2, 3, 2906);
            QColor c = Mix(QColor(52, 24, 20), QColor(120, 60, 40), crust);
            // The crust catches the red light more the farther it is.
            c = Mix(c, QColor(170, 70, 36), Clamp01(1.0 - dy / 70.0) * 0.6);
            // Toward the horizon the cracks are too fine to see one by one.
            const double far = Clamp01(1.0 - dy / 28.0);
            const double glow = SmoothStep(0.6, 0.82, vein) * (1.0 - 0.8 * far);
            c = Mix(c, QColor(255, 130, 30), glow);
            c = Mix(c, QColor(255, 226, 140), SmoothStep(0.86, 0.97, vein) * (1.0 - far));
            c = Mix(c, QColor(190, 80, 36), far * 0.5);
            row[x] = c.rgb();
        }
    }
    Haze(img, horizon - 30, horizon + 24, QColor(200, 80, 36), 0.0, 0.35, HazeRamp::Smooth);

    {
        CanvasPainter p(img);
        // A lava pool mirroring the giant.
        QPainterPath pool;
        pool.addEllipse(QPointF(330, 262), 70, 9);
        QRadialGradient molten(QPointF(330, 262), 70);
        molten.setColorAt(0.0, QColor(255, 220, 120));
        molten.setColorAt(0.6, QColor(255, 130, 40));
        molten.setColorAt(1.0, QColor(180, 50, 20));
        p.setBrush(molten);
        p.drawPath(pool);
        // Jagged rocks in the foreground, rim-lit on the edges facing the Sun.
        const double rocks[][4] = {
            {40, 312, 80, 40}, {150, 320, 60, 26}, {440, 316, 110, 52}, {250, 300, 30, 12}};
        for (const auto& r : rocks) {
            const double x = r[0];
            const double base = r[1];
            const double w = r[2];
            const double h = r[3];
            QPolygonF rock;
            rock << QPointF(x - w / 2, base + 2);
            const int n = 9;
            for (int k = 0; k <= n; ++k) {
                const double t = static_cast<double>(k) / n;
                const double hump = std::sin(t * 3.14159265) * h;
                rock << QPointF(x - w / 2 + w * t, base - hump * rng.Range(0.7, 1.1));
            }
            rock << QPointF(x + w / 2, base + 2);
            p.setBrush(Gradient(QPointF(0, base - h), QPointF(0, base), QColor(64, 28, 22),
                                QColor(26, 12, 10)));
            p.drawPolygon(rock);
            p.setPen(QPen(QColor(255, 120, 50, 190), 1.3));
            p.setBrush(Qt::NoBrush);
            p.drawPolyline(rock.mid(1, n + 1));
            p.setPen(Qt::NoPen);
        }
        // Smoke from the burning ground.
        DrawSmoke(p, QPointF(120, 230), QPointF(40, -50), 10, 6, 22, QColor(70, 26, 20, 80), rng);
        DrawSmoke(p, QPointF(450, 236), QPointF(-30, -40), 8, 5, 18, QColor(70, 26, 20, 70), rng);
    }
    return img;
}

}  // namespace orb::art
