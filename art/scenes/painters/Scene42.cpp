#include <cmath>

#include "scenes/ScenePainters.h"
#include "scenes/painters/EarlyUniverse.h"

namespace orb::art {

// The first stars and proto-galaxies: the web of gas from the dark ages,
// now lit from within by hot blue stars that blow glowing bubbles of ionised
// hydrogen around them, and small bright clumps that will become galaxies.
QImage PaintScene42() {
    constexpr std::uint32_t kSeed = 4201u;
    FloatCanvas canvas = PaintDarkAges({kSeed, 0.85});
    Rng rng(42);

    // Young galaxies: where the web is densest, a bright core in a cloud of
    // stars inside a pink and teal bubble of glowing gas.
    int placed = 0;
    for (int attempt = 0; attempt < 4000 && placed < 11; ++attempt) {
        const double x = rng.Range(20.0, 492.0);
        const double y = rng.Range(20.0, 300.0);
        if (WebDensity(x, y, kSeed, 0.85) < 0.55) {
            continue;
        }
        ++placed;
        const double size = rng.Range(0.7, 1.5) * (placed <= 2 ? 1.8 : 1.0);
        canvas.AddGlow(x, y, 24.0 * size, QColor(235, 90, 150), 0.09, 1.2);
        canvas.AddGlow(x, y, 11.0 * size, QColor(90, 190, 230), 0.10, 1.4);
        // Each young galaxy is a ragged, elongated swarm of star-forming
        // clumps, not yet a settled disc.
        const double angle = rng.Range(0.0, 3.14159);
        const double ca = std::cos(angle);
        const double sa = std::sin(angle);
        const int clumps = rng.Int(3, 6);
        for (int c = 0; c < clumps; ++c) {
            const double along = rng.Range(-12.0, 12.0) * size;
            const double across = rng.Range(-4.0, 4.0) * size;
            const double kx = x + along * ca - across * sa;
            const double ky = y + along * sa + across * ca;
            canvas.AddGlow(kx, ky, rng.Range(1.5, 3.0) * size, QColor(200, 220, 255),
                           rng.Range(0.25, 0.55), 1.6);
        }
        const int stars = static_cast<int>(40 * size);
        for (int s = 0; s < stars; ++s) {
            const double along = rng.Range(-1.0, 1.0) * rng.Uniform() * 18.0 * size;
            const double across = rng.Range(-1.0, 1.0) * rng.Uniform() * 6.0 * size;
            canvas.AddStar(x + along * ca - across * sa, y + along * sa + across * ca,
                           rng.Range(0.2, 0.8), QColor(180, 205, 255));
        }
    }

    // Single first stars scattered along the filaments, very bright and blue.
    for (int s = 0, tries = 0; s < 160 && tries < 20000; ++tries) {
        const double x = rng.Range(0.0, 512.0);
        const double y = rng.Range(0.0, 320.0);
        const double d = WebDensity(x, y, kSeed, 0.85);
        if (rng.Uniform() > d * d * 1.6) {
            continue;
        }
        ++s;
        const double b = rng.Range(0.35, 1.0);
        canvas.AddStar(x, y, b * 1.4, QColor(175, 205, 255));
        if (b > 0.88) {
            // The brightest have just lit: a glaring point in a pink bubble of
            // gas their light is ionising.
            canvas.AddGlow(x, y, 14.0, QColor(230, 100, 170), 0.10, 1.3);
            canvas.AddGlow(x, y, 2.2, QColor(210, 230, 255), 0.8, 1.6);
        }
    }
    return canvas.ToImage(1.0, 0.3);
}

}  // namespace orb::art
