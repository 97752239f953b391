#include <cmath>

#include "kit/FloatCanvas.h"
#include "kit/PaintKit.h"
#include "scenes/ScenePainters.h"

namespace orb::art {

namespace {

constexpr double kHorizon = 158.0;

// A meteor falling toward the ground, drawn as a chain of glows thinning
// along its trail.
void AddMeteor(FloatCanvas& canvas, double hx, double hy, double dx, double dy, double length,
               double bright) {
    const int steps = static_cast<int>(length);
    for (int i = 0; i < steps; ++i) {
        const double t = static_cast<double>(i) / steps;
        const double fade = std::pow(1.0 - t, 1.6);
        canvas.AddGlow(hx - dx * length * t, hy - dy * length * t, 1.2 + 1.5 * t,
                       Mix(QColor(255, 240, 200), QColor(255, 110, 40), t), 0.22 * bright * fade,
                       1.6);
    }
    canvas.AddGlow(hx, hy, 2.5, QColor(255, 250, 230), 1.6 * bright, 1.5);
    canvas.AddGlow(hx, hy, 10.0, QColor(255, 150, 60), 0.25 * bright, 1.2);
}

}  // namespace

// The young Earth under bombardment: a cracked crust over a sea of magma,
// a smoke-dark sky, meteors falling, and on the horizon the glare of a
// giant impact lighting the clouds.
QImage PaintScene02() {
    FloatCanvas canvas;
    const double impactX = 372.0;
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            FloatCanvas::Pixel& p = canvas.At(x, y);
            if (y < kHorizon) {
                const double h = (kHorizon - y) / kHorizon;  // 0 at horizon, 1 at top
                const double u = x / 110.0;
                const double v = y / 60.0;
                const double wx = Fbm(u, v + 4.0, 3, 201u) - 0.5;
                const double smoke = Fbm(u + 1.5 * wx, v * 1.2, 6, 202u);
                const double billow = SmoothStep(0.3, 0.8, smoke);
                // The clouds are lit from below by the glowing ground and the
                // impact; their dark undersides face the sky.
                const double dxI = (x - impactX) / 170.0;
                const double impact = std::exp(-(dxI * dxI) - h * h * 4.0);
                const double under = std::exp(-h * 3.5);
                const double glow = 0.05 + 0.35 * under + 0.65 * impact;
                const double lum = glow * (0.45 + 0.75 * billow);
                p = {static_cast<float>(lum * 0.95 + 0.025), static_cast<float>(lum * 0.34 + 0.015),
                     static_cast<float>(lum * 0.14 + 0.02)};
            } else {
                // Ground in perspective: sample noise on the plane.
                const double dy = y - kHorizon + 0.6;
                const double z = 60.0 / dy;
                const double wxp = (x - 256.0) * z / 60.0;
                const double u = wxp * 2.0;
                const double v = z * 5.0;
                const double plates = RidgedFbm(u * 1.4, v * 1.4, 5, 203u);
                const double pools = Fbm(u * 0.5 + 3.0, v * 0.5, 4, 204u);
                const double grain = Fbm(u * 8.0, v * 8.0, 3, 205u);
                const double crack = SmoothStep(0.62, 0.86, plates);
                const double pool = SmoothStep(0.58, 0.68, pools);
                const double lava = Clamp01(crack + pool);
                const double heat = lava * (0.7 + 0.5 * grain);
                // Dark crust catching the red light, and glowing magma.
                const double crustLit = 0.06 + 0.07 * grain + 0.05 * (1.0 - plates);
                double r = crustLit * 0.9 + heat * 1.25;
                double g = crustLit * 0.55 + heat * heat * 0.55;
                double b = crustLit * 0.5 + heat * heat * heat * 0.18;
                // Distance haze, glowing with the light of the magma.
                const double haze = Clamp01(std::exp(-dy / 18.0));
                r = r * (1.0 - haze) + 0.55 * haze;
                g = g * (1.0 - haze) + 0.17 * haze;
                b = b * (1.0 - haze) + 0.06 * haze;
                p = {static_cast<float>(r), static_cast<float>(g), static_cast<float>(b)};
            }
        }
    }
    // The giant impact: a dome of white-hot glare and a rising plume.
    canvas.AddGlow(impactX, kHorizon, 26.0, QColor(255, 235, 190), 1.5, 1.2);
    canvas.AddGlow(impactX, kHorizon - 10.0, 80.0, QColor(255, 140, 60), 0.35, 1.0);
    for (int i = 0; i < 40; ++i) {
        const double t = i / 40.0;
        canvas.AddGlow(impactX + 14.0 * std::sin(t * 5.0), kHorizon - 130.0 * t, 10.0 + 26.0 * t,
                       QColor(255, 170, 90), 0.10 * (1.0 - t), 1.4);
    }
    // Meteors streaking in from the upper left.
    AddMeteor(canvas, 140.0, 95.0, 0.8, 0.6, 70.0, 1.0);
    AddMeteor(canvas, 250.0, 48.0, 0.75, 0.66, 55.0, 0.8);
    AddMeteor(canvas, 60.0, 130.0, 0.85, 0.53, 40.0, 0.7);
    AddMeteor(canvas, 455.0, 70.0, 0.7, 0.71, 45.0, 0.6);
    AddMeteor(canvas, 320.0, 112.0, 0.78, 0.62, 30.0, 0.5);
    // A fresh crater glowing in the middle distance.
    canvas.AddGlow(150.0, 200.0, 14.0, QColor(255, 200, 100), 0.8, 1.3);
    return canvas.ToImage(1.0, 0.35);
}

}  // namespace orb::art
