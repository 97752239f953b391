#include <cmath>

#include "kit/FloatCanvas.h"
#include "kit/PaintKit.h"
#include "scenes/ScenePainters.h"

namespace orb::art {

// The solar nebula: the newborn Sun inside a broad disc of gas and dust seen
// from a little above its plane, with dark gaps where planets are forming,
// all inside the remains of the cloud it was born from.
QImage PaintScene01() {
    FloatCanvas canvas;
    const double sx = 256.0;
    const double sy = 150.0;
    const double discR = 300.0;
    const double tilt = 0.2;
    const double rot = -0.08;
    const double ca = std::cos(rot);
    const double sa = std::sin(rot);

    // The parent cloud: reddish-brown and dusky violet, lit by the Sun.
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            const double u = x / 130.0;
            const double v = y / 130.0;
            const double wx = Fbm(u, v + 5.0, 3, 103u) - 0.5;
            const double n = Fbm(u + 1.8 * wx, v, 6, 101u);
            const double m = Fbm(u * 2.0 + 3.0, v * 2.0, 4, 102u);
            const double cloud = SmoothStep(0.35, 0.85, n);
            const double dx = (x - sx) / 300.0;
            const double dy = (y - sy) / 220.0;
            const double lit = 0.35 + 0.65 * std::exp(-(dx * dx + dy * dy) * 2.0);
            const QColor c = Mix(QColor(120, 60, 90), QColor(200, 110, 60), m);
            const double a = 0.02 + 0.32 * cloud * lit;
            canvas.At(x, y) = {static_cast<float>(c.redF() * a), static_cast<float>(c.greenF() * a),
                               static_cast<float>(c.blueF() * a)};
        }
    }
    Rng rng(101);
    for (int i = 0; i < 350; ++i) {
        canvas.AddStar(rng.Range(0.0, 512.0), rng.Range(0.0, 320.0),
                       std::pow(rng.Uniform(), 3.0) * 0.9 + 0.05, QColor(240, 235, 255));
    }

    // The disc in two passes: the far half lies behind the Sun, the near
    // half in front of it.
    auto paintDisc = [&](bool nearHalf) {
        for (int y = 0; y < canvas.Height(); ++y) {
            for (int x = 0; x < canvas.Width(); ++x) {
                const double dx = x + 0.5 - sx;
                const double dy = y + 0.5 - sy;
                const double px = (dx * ca + dy * sa) / discR;
                const double py = (-dx * sa + dy * ca) / (discR * tilt);
                if ((py > 0.0) != nearHalf) {
                    continue;
                }
                const double rho = std::sqrt(px * px + py * py);
                if (rho > 1.15 || rho < 0.035) {
                    continue;
                }
                const double phi = std::atan2(py, px);
                // Rings and gaps, with clumps drifting along them.
                const double swirl = Fbm(rho * 14.0, phi * 2.0 + 20.0, 4, 111u);
                const double rings = 0.55 + 0.45 * std::sin(rho * 46.0 + 2.0 * swirl);
                double gaps = 1.0;
                for (double g : {0.28, 0.47, 0.71}) {
                    gaps *= 1.0 - 0.85 * std::exp(-std::pow((rho - g) / 0.018, 2.0));
                }
                const double edge = 1.0 - SmoothStep(0.8, 1.15, rho);
                const double density = edge * gaps * (0.4 + 0.6 * rings) * (0.7 + 0.6 * swirl);
                // Lit by the Sun: bright and hot close in, dusky red far out.
                const double light = 1.0 / (0.15 + 5.0 * rho * rho);
                const QColor hot(255, 220, 150);
                const QColor cool(170, 80, 45);
                const QColor c = Mix(hot, cool, SmoothStep(0.05, 0.6, rho));
                const double a = Clamp01(density * 0.9);
                FloatCanvas::Pixel& p = canvas.At(x, y);
                const double lr = c.redF() * light * density * 0.55;
                const double lg = c.greenF() * light * density * 0.55;
                const double lb = c.blueF() * light * density * 0.55;
                // Dust hides what lies behind it and shines with its own light.
                p[0] = static_cast<float>(p[0] * (1.0 - a) + lr);
                p[1] = static_cast<float>(p[1] * (1.0 - a) + lg);
                p[2] = static_cast<float>(p[2] * (1.0 - a) + lb);
            }
        }
    };
    paintDisc(false);
    canvas.AddGlow(sx, sy, 60.0, QColor(255, 190, 110), 0.22, 1.1);
    canvas.AddGlow(sx, sy, 11.0, QColor(255, 245, 220), 2.4, 1.5);
    // Faint jets from the poles of the young star.
    for (int i = 0; i < 90; ++i) {
        const double t = i / 90.0;
        const double b = 0.05 * (1.0 - t);
        canvas.AddGlow(sx - 8.0 * t, sy - 150.0 * t, 4.0 + 10.0 * t, QColor(150, 190, 255), b, 1.5);
        canvas.AddGlow(sx + 8.0 * t, sy + 150.0 * t, 4.0 + 10.0 * t, QColor(150, 190, 255), b, 1.5);
    }
    paintDisc(true);
    // A few protoplanets catching the light in the gaps.
    canvas.AddStar(sx + 0.47 * discR * 0.8, sy + 0.47 * discR * tilt * 0.55, 1.0,
                   QColor(255, 210, 170));
    canvas.AddStar(sx - 0.71 * discR * 0.9, sy - 0.71 * discR * tilt * 0.4, 0.8,
                   QColor(255, 200, 160));
    return canvas.ToImage(1.0, 0.35);
}

}  // namespace orb::art
