#include "scenes/painters/EarlyUniverse.h"

#include <cmath>

namespace orb::art {

namespace {

// Domain-warped fractal noise: swirling, billowing structure instead of the
// blotches of plain noise.
double Warped(double x, double y, std::uint32_t seed, int octaves) {
    const double wx = Fbm(x + 3.1, y - 1.7, 4, seed + 11u) - 0.5;
    const double wy = Fbm(x - 5.3, y + 2.9, 4, seed + 23u) - 0.5;
    return Fbm(x + 2.2 * wx, y + 2.2 * wy, octaves, seed);
}

// Sums octaves of value noise, each turned against the one before so that no
// octave's lattice lines up with another's and no grid shows. `shape` maps
// each octave's raw noise before it is added.
template <typename Shape>
double TurnedOctaves(double x, double y, int octaves, std::uint32_t seed, Shape shape) {
    double sum = 0.0;
    double amp = 1.0;
    double norm = 0.0;
    const double c = std::cos(0.62);
    const double s = std::sin(0.62);
    for (int i = 0; i < octaves; ++i) {
        sum += amp * shape(ValueNoise(x, y, seed + static_cast<std::uint32_t>(i) * 131u));
        norm += amp;
        const double nx = (x * c - y * s) * 2.03 + 17.1;
        const double ny = (x * s + y * c) * 2.03 - 5.7;
        x = nx;
        y = ny;
        amp *= 0.5;
    }
    return sum / norm;
}

// Ridged and turned: sharp filaments.
double TurnedRidged(double x, double y, int octaves, std::uint32_t seed) {
    return TurnedOctaves(x, y, octaves, seed, [](double n) {
        const double r = 1.0 - std::fabs(2.0 * n - 1.0);
        return r * r;
    });
}

// Plain and turned: soft, without the square patches plain value noise shows
// at large scales.
double TurnedFbm(double x, double y, int octaves, std::uint32_t seed) {
    return TurnedOctaves(x, y, octaves, seed, [](double n) { return n; });
}

}  // namespace

QImage PaintPlasma(const PlasmaLook& look) {
    QImage image = NewSceneCanvas();
    const double c = look.clearing;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const double u = x / look.scale;
            const double v = y / look.scale;
            const double n = Warped(u, v, look.seed, 6);
            const double fine = Fbm(u * 3.0, v * 3.0, 4, look.seed + 97u);
            // Dense fog glows nearly everywhere; as it clears, the thin parts
            // fade into darkness and only soft veils keep their light.
            const double d = SmoothStep(0.12, 0.92, n + 0.18 * (fine - 0.5));
            const double veil = std::pow(d, 1.0 + 2.2 * c) * (0.85 + 0.3 * fine);
            const double level = (1.0 - c) * (0.32 + 0.6 * d) + c * veil;
            const QColor col = Ramp(look.ramp, look.rampCount, Clamp01(level));
            line[x] = col.rgb();
        }
    }
    return image;
}

double WebDensity(double x, double y, std::uint32_t seed, double gathering) {
    const double u = x / 150.0;
    const double v = y / 150.0;
    const double wx = TurnedFbm(u + 7.0, v, 4, seed + 5u) - 0.5;
    const double wy = TurnedFbm(u, v + 9.0, 4, seed + 6u) - 0.5;
    // Ridges of noise make filaments; their meeting points become knots.
    const double ridge = TurnedRidged(u + 1.5 * wx, v + 1.5 * wy, 5, seed);
    const double haze = TurnedFbm(u * 0.7 + 0.8 * wx, v * 0.7 + 0.8 * wy, 6, seed + 40u);
    const double sharp = 1.4 + 2.6 * gathering;
    const double filament = std::pow(Clamp01(ridge), sharp);
    return Clamp01((1.0 - 0.6 * gathering) * 0.9 * haze * haze +
                   (0.3 + 0.8 * gathering) * filament);
}

FloatCanvas PaintDarkAges(const DarkAgesLook& look) {
    FloatCanvas canvas;
    const double g = look.gathering;
    const QColor violet(150, 120, 230);
    const QColor rose(210, 110, 150);
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            const double d = WebDensity(x, y, look.seed, g);
            const double tint = TurnedFbm(x / 110.0, y / 110.0, 5, look.seed + 71u);
            const QColor col = Mix(violet, rose, SmoothStep(0.35, 0.75, tint));
            // Faint light throughout, brighter where the gas has gathered.
            const double level = 0.035 + (0.42 + 0.2 * (1.0 - g)) * d + 1.1 * g * d * d * d;
            FloatCanvas::Pixel& p = canvas.At(x, y);
            p[0] = static_cast<float>(0.008 + col.redF() * level);
            p[1] = static_cast<float>(0.008 + col.greenF() * level);
            p[2] = static_cast<float>(0.016 + col.blueF() * level);
        }
    }
    // Late in the dark ages the densest knots begin to glow as they draw in.
    Rng rng(look.seed);
    const int knots = g > 0.5 ? static_cast<int>((g - 0.5) * 2.0 * 26.0) : 0;
    for (int k = 0, tries = 0; k < knots && tries < 5000; ++tries) {
        const double x = rng.Range(0.0, 512.0);
        const double y = rng.Range(0.0, 320.0);
        if (WebDensity(x, y, look.seed, g) < 0.6) {
            continue;
        }
        ++k;
        const double size = rng.Range(3.0, 7.0);
        canvas.AddGlow(x, y, size, QColor(200, 140, 230), 0.22 * g, 1.4);
        canvas.AddGlow(x, y, size * 0.35, QColor(240, 200, 255), 0.25 * g, 1.6);
    }
    return canvas;
}

}  // namespace orb::art
