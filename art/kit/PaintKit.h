// Small deterministic helpers shared by the art generators: a seeded random
// source, value noise with fractal sums, and colour mixing. Everything here is
// pure arithmetic so that the same source always paints the same pixels.
#pragma once

#include <QColor>
#include <QImage>
#include <cstdint>

namespace orb::art {

constexpr double kPi = 3.14159265358979323846;

// SplitMix64: tiny, fast and identical on every platform.
class Rng {
  public:
    explicit Rng(std::uint64_t seed) : m_state(seed) {}
    std::uint64_t Next();
    double Uniform();                    // [0, 1)
    double Range(double lo, double hi);  // [lo, hi)
    int Int(int lo, int hi);             // [lo, hi] inclusive

  private:
    std::uint64_t m_state;
};

// Value noise on an integer lattice, smoothly interpolated; result in [0, 1].
double ValueNoise(double x, double y, std::uint32_t seed);

// Fractal sum of value noise octaves; result roughly in [0, 1].
double Fbm(double x, double y, int octaves, std::uint32_t seed, double lacunarity = 2.0,
           double gain = 0.5);

// Ridged variant for mountains and cracks; result in [0, 1].
double RidgedFbm(double x, double y, int octaves, std::uint32_t seed);

// Linear mix of two colours, t in [0, 1].
QColor Mix(const QColor& a, const QColor& b, double t);

// Mix through a list of stops (positions ascending in [0, 1]).
struct ColorStop {
    double pos = 0.0;
    QColor color;
};
QColor Ramp(const ColorStop* stops, int count, double t);

double Clamp01(double v);
double SmoothStep(double e0, double e1, double x);

// A blank full-colour canvas of the scene size (512 x 320), opaque black.
QImage NewSceneCanvas();

}  // namespace orb::art
