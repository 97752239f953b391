#include <cmath>

#include "kit/FloatCanvas.h"
#include "kit/PaintKit.h"
#include "scenes/ScenePainters.h"

namespace orb::art {

namespace {

// A spiral galaxy seen at a slant, added to the canvas as light. Positions
// are in the galaxy's own plane, radius 1 at the edge of its disc.
struct Galaxy {
    double cx, cy;    // centre on screen
    double radius;    // disc radius in pixels
    double tilt;      // 1 face-on .. small edge-on
    double rotation;  // of the major axis, radians
    double twist;     // how tightly the arms wind
    double bright;
    std::uint32_t seed;
};

void AddGalaxy(FloatCanvas& canvas, const Galaxy& g) {
    const double ca = std::cos(g.rotation);
    const double sa = std::sin(g.rotation);
    const int reach = static_cast<int>(g.radius * 1.3);
    for (int y = static_cast<int>(g.cy) - reach; y <= static_cast<int>(g.cy) + reach; ++y) {
        for (int x = static_cast<int>(g.cx) - reach; x <= static_cast<int>(g.cx) + reach; ++x) {
            if (x < 0 || y < 0 || x >= canvas.Width() || y >= canvas.Height()) {
                continue;
            }
            const double dx = x + 0.5 - g.cx;
            const double dy = y + 0.5 - g.cy;
            const double px = (dx * ca + dy * sa) / g.radius;
            const double py = (-dx * sa + dy * ca) / (g.radius * g.tilt);
            const double rho = std::sqrt(px * px + py * py) + 1e-4;
            if (rho > 1.3) {
                continue;
            }
            const double phi = std::atan2(py, px);
            const double n = Fbm(px * 6.0 + 10.0, py * 6.0 + 10.0, 5, g.seed);
            const double armPhase = 2.0 * (phi - g.twist * std::log(rho)) + 1.5 * (n - 0.5);
            const double arm = std::pow(0.5 + 0.5 * std::cos(armPhase), 2.5);
            const double disc = std::exp(-rho * 2.6) * (1.0 - SmoothStep(0.85, 1.3, rho));
            const double bulge = std::exp(-rho * rho * 60.0);
            // Dust lanes hug the inside of each arm.
            const double lane = std::pow(0.5 + 0.5 * std::cos(armPhase - 0.9), 6.0);
            const double dust =
                1.0 - 0.6 * lane * SmoothStep(0.08, 0.3, rho) * (1.0 - SmoothStep(0.7, 1.0, rho));
            const double knots = std::pow(Clamp01(Fbm(px * 22.0, py * 22.0, 3, g.seed + 7u)), 6.0) *
                                 arm * 2.2 * (1.0 - SmoothStep(0.5, 1.1, rho));
            const double armLight = disc * (0.45 + 2.3 * arm) * dust * g.bright;
            const double coreLight = bulge * 1.6 * g.bright;
            canvas.Add(x, y, armLight * 0.62 + coreLight * 1.0 + knots * 0.5 * g.bright,
                       armLight * 0.72 + coreLight * 0.88 + knots * 0.25 * g.bright,
                       armLight * 1.0 + coreLight * 0.62 + knots * 0.45 * g.bright);
        }
    }
}

}  // namespace

// Deep space in the long age of galaxies: our own Milky Way, still young and
// gathering itself, fills the view, with older galaxies scattered far behind.
QImage PaintScene00() {
    FloatCanvas canvas;
    // A faint, uneven background so the blackness has depth.
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            const double n = Fbm(x / 140.0, y / 140.0, 5, 1u);
            const double m = Fbm(x / 60.0 + 9.0, y / 60.0, 4, 2u);
            const double v = 0.02 * SmoothStep(0.4, 0.8, n) + 0.012 * m;
            canvas.At(x, y) = {static_cast<float>(v * 0.8), static_cast<float>(v * 0.7),
                               static_cast<float>(v * 1.3)};
        }
    }
    Rng rng(1000);
    for (int i = 0; i < 900; ++i) {
        const double b = std::pow(rng.Uniform(), 4.0) * 1.2 + 0.05;
        const int kind = rng.Int(0, 9);
        const QColor c = kind < 5   ? QColor(235, 240, 255)
                         : kind < 8 ? QColor(255, 235, 200)
                                    : QColor(190, 210, 255);
        canvas.AddStar(rng.Range(0.0, 512.0), rng.Range(0.0, 320.0), b, c);
    }
    // Distant galaxies, small and faint, at every angle.
    for (int i = 0; i < 9; ++i) {
        AddGalaxy(canvas, {rng.Range(20.0, 492.0), rng.Range(20.0, 300.0), rng.Range(7.0, 16.0),
                           rng.Range(0.25, 0.9), rng.Range(0.0, 3.1), rng.Range(1.5, 3.0),
                           rng.Range(0.25, 0.5), static_cast<std::uint32_t>(100 + i)});
    }
    // The young Milky Way.
    AddGalaxy(canvas, {280.0, 168.0, 190.0, 0.42, -0.35, 2.4, 1.25, 7u});
    // A companion dwarf galaxy being drawn in.
    canvas.AddGlow(110.0, 82.0, 9.0, QColor(200, 210, 255), 0.25, 1.3);
    for (int i = 0; i < 60; ++i) {
        const double r = 16.0 * std::sqrt(rng.Uniform());
        const double a = rng.Range(0.0, 6.2832);
        canvas.AddStar(110.0 + r * std::cos(a), 82.0 + 0.7 * r * std::sin(a), rng.Range(0.15, 0.6),
                       QColor(210, 220, 255));
    }
    return canvas.ToImage(1.0, 0.3);
}

}  // namespace orb::art
