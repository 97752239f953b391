#include <cmath>

#include "EarlyUniverse.h"
#include "ScenePainters.h"

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
    for (int attempt = 0; attempt < 4000 && placed < 9; ++attempt) {
        const double x = rng.Range(20.0, 492.0);
        const double y = rng.Range(20.0, 300.0);
        if (WebDensity(x, y, kSeed, 0.85) < 0.55) {
            continue;
        }
        ++placed;
        const double size = rng.Range(0.7, 1.5) * (placed <= 2 ? 1.8 : 1.0);
        canvas.AddGlow(x, y, 26.0 * size, QColor(235, 90, 150), 0.10, 1.2);
        canvas.AddGlow(x, y, 12.0 * size, QColor(90, 200, 220), 0.12, 1.4);
        canvas.AddGlow(x, y, 3.5 * size, QColor(220, 230, 255), 0.9, 1.6);
        const int stars = static_cast<int>(30 * size);
        for (int s = 0; s < stars; ++s) {
            const double r = 14.0 * size * std::sqrt(rng.Uniform()) * rng.Uniform();
            const double a = rng.Range(0.0, 6.283185307);
            canvas.AddStar(x + r * std::cos(a), y + 0.7 * r * std::sin(a), rng.Range(0.3, 1.0),
                           QColor(190, 215, 255));
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
        if (b > 0.85) {
            canvas.AddGlow(x, y, 7.0, QColor(230, 110, 170), 0.06, 1.3);
        }
    }
    return canvas.ToImage(1.0, 0.3);
}

}  // namespace orb::art
