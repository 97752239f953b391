#include "kit/PaintKit.h"

#include <algorithm>
#include <cmath>

namespace orb::art {

std::uint64_t Rng::Next() {
    m_state += 0x9E3779B97F4A7C15ull;
    std::uint64_t z = m_state;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

double Rng::Uniform() {
    return static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0);
}

double Rng::Range(double lo, double hi) {
    return lo + (hi - lo) * Uniform();
}

int Rng::Int(int lo, int hi) {
    const auto span = static_cast<std::uint64_t>(static_cast<std::int64_t>(hi) - lo + 1);
    return lo + static_cast<int>(Next() % span);
}

namespace {

double LatticeValue(std::int64_t ix, std::int64_t iy, std::uint32_t seed) {
    std::uint64_t h = static_cast<std::uint64_t>(ix) * 0x9E3779B185EBCA87ull ^
                      static_cast<std::uint64_t>(iy) * 0xC2B2AE3D27D4EB4Full ^
                      static_cast<std::uint64_t>(seed) * 0x165667B19E3779F9ull;
    h ^= h >> 33;
    h *= 0xFF51AFD7ED558CCDull;
    h ^= h >> 33;
    h *= 0xC4CEB9FE1A85EC53ull;
    h ^= h >> 33;
    return static_cast<double>(h >> 11) * (1.0 / 9007199254740992.0);
}

double Fade(double t) {
    return t * t * t * (t * (t * 6.0 - 15.0) + 10.0);
}

}  // namespace

double ValueNoise(double x, double y, std::uint32_t seed) {
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const auto ix = static_cast<std::int64_t>(fx);
    const auto iy = static_cast<std::int64_t>(fy);
    const double tx = Fade(x - fx);
    const double ty = Fade(y - fy);
    const double a = LatticeValue(ix, iy, seed);
    const double b = LatticeValue(ix + 1, iy, seed);
    const double c = LatticeValue(ix, iy + 1, seed);
    const double d = LatticeValue(ix + 1, iy + 1, seed);
    const double top = a + (b - a) * tx;
    const double bottom = c + (d - c) * tx;
    return top + (bottom - top) * ty;
}

double Fbm(double x, double y, int octaves, std::uint32_t seed, double lacunarity, double gain) {
    double sum = 0.0;
    double amp = 1.0;
    double norm = 0.0;
    for (int i = 0; i < octaves; ++i) {
        sum += amp * ValueNoise(x, y, seed + static_cast<std::uint32_t>(i) * 1013u);
        norm += amp;
        x *= lacunarity;
        y *= lacunarity;
        amp *= gain;
    }
    return norm > 0.0 ? sum / norm : 0.0;
}

double RidgedFbm(double x, double y, int octaves, std::uint32_t seed) {
    double sum = 0.0;
    double amp = 1.0;
    double norm = 0.0;
    for (int i = 0; i < octaves; ++i) {
        const double n =
            1.0 -
            std::fabs(2.0 * ValueNoise(x, y, seed + static_cast<std::uint32_t>(i) * 7919u) - 1.0);
        sum += amp * n * n;
        norm += amp;
        x *= 2.0;
        y *= 2.0;
        amp *= 0.5;
    }
    return norm > 0.0 ? sum / norm : 0.0;
}

double Clamp01(double v) {
    return std::clamp(v, 0.0, 1.0);
}

double SmoothStep(double e0, double e1, double x) {
    const double t = Clamp01((x - e0) / (e1 - e0));
    return t * t * (3.0 - 2.0 * t);
}

QColor Mix(const QColor& a, const QColor& b, double t) {
    t = Clamp01(t);
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t));
}

QColor Ramp(const ColorStop* stops, int count, double t) {
    if (count <= 0) {
        return QColor(Qt::black);
    }
    if (t <= stops[0].pos) {
        return stops[0].color;
    }
    for (int i = 1; i < count; ++i) {
        if (t <= stops[i].pos) {
            const double span = stops[i].pos - stops[i - 1].pos;
            return Mix(stops[i - 1].color, stops[i].color,
                       span > 0.0 ? (t - stops[i - 1].pos) / span : 1.0);
        }
    }
    return stops[count - 1].color;
}

QImage NewSceneCanvas() {
    QImage image(512, 320, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

}  // namespace orb::art
