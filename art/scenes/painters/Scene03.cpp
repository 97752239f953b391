#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "kit/FloatCanvas.h"
#include "kit/PaintKit.h"
#include "scenes/ScenePainters.h"

namespace orb::art {

namespace {

constexpr double kHorizon = 188.0;
constexpr double kMoonX = 338.0;
constexpr double kMoonY = 92.0;
constexpr double kMoonR = 84.0;

// The Moon's surface brightness at a point of its disc (unit coordinates).
double MoonShade(double mx, double my) {
    const double mz = std::sqrt(std::max(0.0, 1.0 - mx * mx - my * my));
    // Sunlight from the upper left: a fat waxing gibbous Moon.
    const double lx = -0.55;
    const double ly = -0.35;
    const double lz = 0.76;
    const double lambert = std::max(0.0, mx * lx + my * ly + mz * lz);
    const double maria = SmoothStep(0.5, 0.62, Fbm(mx * 2.2 + 5.0, my * 2.2, 5, 301u));
    double craters = 0.0;
    Rng rng(302);
    for (int i = 0; i < 45; ++i) {
        const double cx = rng.Range(-1.0, 1.0);
        const double cy = rng.Range(-1.0, 1.0);
        const double cr = 0.02 + 0.1 * std::pow(rng.Uniform(), 3.0);
        const double d = std::hypot(mx - cx, my - cy) / cr;
        if (d < 1.2) {
            // Dark floor, bright rim on the side away from the light.
            const double rim = std::exp(-std::pow((d - 1.0) / 0.18, 2.0));
            craters += -0.07 * (1.0 - SmoothStep(0.6, 1.0, d)) +
                       0.08 * rim * ((mx - cx) * -lx > 0 ? 1 : 0.3);
        }
    }
    const double albedo = 0.82 - 0.32 * maria + 0.08 * Fbm(mx * 9.0, my * 9.0, 3, 303u) + craters;
    return Clamp01(albedo) * (0.08 + 0.92 * lambert);
}

}  // namespace

// The first oceans: a grey-green sea under a hazy, ash-streaked sky, volcanoes
// smoking on the horizon, and the young Moon, far closer than today, hanging
// huge over the water.
QImage PaintScene03() {
    FloatCanvas canvas;
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            FloatCanvas::Pixel& p = canvas.At(x, y);
            if (y < kHorizon) {
                const double h = (kHorizon - y) / kHorizon;
                const QColor sky =
                    Mix(QColor(222, 184, 142), QColor(118, 112, 128), std::pow(h, 0.7));
                const double u = x / 150.0;
                const double v = y / 45.0;
                const double ash = SmoothStep(0.45, 0.8, Fbm(u + 0.3 * v, v, 6, 304u));
                const QColor c = Mix(sky, QColor(92, 80, 76), ash * 0.75);
                p = {static_cast<float>(c.redF()), static_cast<float>(c.greenF()),
                     static_cast<float>(c.blueF())};
                const double mx = (x + 0.5 - kMoonX) / kMoonR;
                const double my = (y + 0.5 - kMoonY) / kMoonR;
                const double md = std::sqrt(mx * mx + my * my);
                if (md < 1.02) {
                    const double edge = 1.0 - SmoothStep(0.985, 1.015, md);
                    const double s = MoonShade(mx, my);
                    // The haze veils the Moon a little, more behind the ash.
                    const double veil = 0.18 + 0.35 * ash;
                    for (int k = 0; k < 3; ++k) {
                        const double moon = s * (k == 0   ? 0.98
                                                 : k == 1 ? 0.93
                                                          : 0.86) +
                                            0.22 * (k == 2 ? 1.05 : 1.0);
                        const double mixed =
                            moon * (1.0 - veil) + p[static_cast<std::size_t>(k)] * veil;
                        p[static_cast<std::size_t>(k)] = static_cast<float>(
                            p[static_cast<std::size_t>(k)] * (1.0 - edge) + mixed * edge);
                    }
                }
            } else {
                const double dy = y - kHorizon + 0.5;
                const double z = 40.0 / dy;
                const double u = (x - 256.0) * z / 40.0;
                const double waves = Fbm(u * 3.0, z * 12.0, 5, 305u);
                const double chop = Fbm(u * 12.0, z * 40.0, 3, 306u);
                const double t = Clamp01(dy / (320.0 - kHorizon));
                const QColor deep =
                    Mix(QColor(150, 150, 140), QColor(38, 68, 70), std::pow(t, 0.5));
                const double light = 0.85 + 0.35 * (waves - 0.5) + 0.2 * (chop - 0.5);
                // The Moon's path of light on the water.
                const double path = std::exp(-std::pow((x - kMoonX) / (18.0 + 60.0 * t), 2.0)) *
                                    SmoothStep(0.55, 0.85, chop * 0.6 + waves * 0.6);
                p = {static_cast<float>(deep.redF() * light + 0.5 * path),
                     static_cast<float>(deep.greenF() * light + 0.48 * path),
                     static_cast<float>(deep.blueF() * light + 0.42 * path)};
            }
        }
    }
    QImage image = canvas.ToImage(1.0, 0.2);

    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        // Ash plumes rising from the volcanoes, leaning with the wind.
        Rng rng(307);
        for (double baseX : {70.0, 168.0}) {
            for (int i = 0; i < 70; ++i) {
                const double t = i / 70.0;
                const double cx = baseX + 120.0 * t * t + rng.Range(-10.0, 10.0) * (0.4 + t);
                const double cy = kHorizon - 40.0 - 150.0 * t + rng.Range(-8.0, 8.0);
                const double r = 7.0 + 24.0 * t + rng.Range(0.0, 10.0);
                QRadialGradient g(QPointF(cx - r * 0.3, cy - r * 0.3), r * 1.2);
                g.setColorAt(0.0, QColor(128, 116, 108, 110));
                g.setColorAt(0.7, QColor(82, 74, 70, 80));
                g.setColorAt(1.0, QColor(78, 70, 68, 0));
                p.setPen(Qt::NoPen);
                p.setBrush(g);
                p.drawEllipse(QPointF(cx, cy), r, r * 0.85);
            }
        }
        // Volcanic cones on the horizon, with lava glowing at their vents.
        struct Cone {
            double x, w, h;
        };
        for (const Cone& c : {Cone{70.0, 90.0, 44.0}, Cone{168.0, 70.0, 30.0},
                              Cone{20.0, 60.0, 18.0}, Cone{235.0, 50.0, 12.0}}) {
            QPainterPath cone;
            cone.moveTo(c.x - c.w, kHorizon + 1.0);
            cone.cubicTo(c.x - c.w * 0.45, kHorizon - c.h * 0.35, c.x - c.w * 0.18, kHorizon - c.h,
                         c.x - 6.0, kHorizon - c.h);
            cone.lineTo(c.x + 6.0, kHorizon - c.h);
            cone.cubicTo(c.x + c.w * 0.18, kHorizon - c.h, c.x + c.w * 0.45, kHorizon - c.h * 0.35,
                         c.x + c.w, kHorizon + 1.0);
            cone.closeSubpath();
            QLinearGradient shade(c.x - c.w, 0, c.x + c.w, 0);
            shade.setColorAt(0.0, QColor(96, 78, 70));
            shade.setColorAt(1.0, QColor(56, 48, 48));
            p.setBrush(shade);
            p.drawPath(cone);
            if (c.h > 25.0) {
                QRadialGradient lava(QPointF(c.x, kHorizon - c.h), 14.0);
                lava.setColorAt(0.0, QColor(255, 210, 120, 230));
                lava.setColorAt(0.4, QColor(240, 90, 30, 160));
                lava.setColorAt(1.0, QColor(200, 40, 10, 0));
                p.setBrush(lava);
                p.drawEllipse(QPointF(c.x, kHorizon - c.h), 14.0, 10.0);
                // A lava stream down the flank.
                QPainterPath stream;
                stream.moveTo(c.x + 2.0, kHorizon - c.h + 2.0);
                stream.cubicTo(c.x + 8.0, kHorizon - c.h * 0.6, c.x + 4.0, kHorizon - c.h * 0.4,
                               c.x + 14.0, kHorizon - 2.0);
                p.setBrush(Qt::NoBrush);
                p.setPen(QPen(QColor(240, 110, 40), 2.0));
                p.drawPath(stream);
                p.setPen(Qt::NoPen);
            }
        }
    }
    return image;
}

}  // namespace orb::art
