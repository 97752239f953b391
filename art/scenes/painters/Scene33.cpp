#include <cmath>

#include "kit/FloatCanvas.h"
#include "kit/PaintKit.h"
#include "scenes/ScenePainters.h"

namespace orb::art {

// The primordial fireball: space itself glowing white-gold, brightest at the
// centre of view, with turbulent hotter and cooler streams.
QImage PaintScene33() {
    FloatCanvas canvas;
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            const double u = x / 120.0;
            const double v = y / 120.0;
            const double wx = Fbm(u + 4.0, v, 4, 3301u) - 0.5;
            const double wy = Fbm(u, v + 6.0, 4, 3302u) - 0.5;
            const double n = Fbm(u + 2.5 * wx, v + 2.5 * wy, 6, 3303u);
            const double streak = RidgedFbm(u * 1.5 + wy, v * 1.5 + wx, 4, 3304u);
            const double dx = (x - 256.0) / 256.0;
            const double dy = (y - 160.0) / 200.0;
            const double centre = std::exp(-(dx * dx + dy * dy) * 1.6);
            const double heat = 0.68 + 0.65 * centre + 0.55 * (n - 0.5) + 0.25 * streak * streak;
            // Hotter parts are whiter; cooler ones deepen to gold and amber.
            const double w = Clamp01(heat - 0.55);
            FloatCanvas::Pixel& p = canvas.At(x, y);
            p[0] = static_cast<float>(heat * 1.05);
            p[1] = static_cast<float>(heat * (0.70 + 0.30 * w));
            p[2] = static_cast<float>(heat * (0.28 + 0.62 * w * w));
        }
    }
    return canvas.ToImage(1.0, 0.35);
}

}  // namespace orb::art
