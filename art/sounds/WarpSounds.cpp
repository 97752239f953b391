#include "sounds/WarpSounds.h"

#include <algorithm>
#include <cmath>

#include "kit/PaintKit.h"
#include "sounds/Synth.h"

namespace orb::art {

using synth::kRate;

namespace {

// An endlessly rising chord: octave-spaced partials climb one octave per
// period while a bell-shaped weight over their pitch fades them in at the
// bottom and out at the top.
class ShepardRise {
  public:
    ShepardRise(double baseHz, int octaves, double periodSeconds)
        : m_base(baseHz), m_octaves(octaves), m_period(periodSeconds), m_phase(octaves, 0.0) {}

    double Next(double t) {
        double v = 0;
        for (int k = 0; k < m_octaves; ++k) {
            const double pos = std::fmod(k + t / m_period, static_cast<double>(m_octaves));
            const double freq = m_base * std::pow(2.0, pos);
            auto& phase = m_phase[static_cast<std::size_t>(k)];
            phase = std::fmod(phase + 2 * kPi * freq / kRate, 2 * kPi);
            const double weight = 0.5 - 0.5 * std::cos(2 * kPi * pos / m_octaves);
            v += weight * std::sin(phase);
        }
        return v;
    }

  private:
    double m_base;
    int m_octaves;
    double m_period;
    std::vector<double> m_phase;
};

}  // namespace

std::vector<double> WarpSounds::Loop(std::size_t samples) {
    const std::size_t fade = static_cast<std::size_t>(0.6 * kRate);
    const std::size_t total = samples + fade;
    const double period = static_cast<double>(samples) / kRate;

    // Modulations complete whole cycles per loop.
    const double throbHz = synth::WholeCycles(2.3, samples);
    const double sparkleHz = synth::WholeCycles(7.0, samples);

    Rng rng(0xAB0D);
    synth::LowPass rumble1(140.0);
    synth::LowPass rumble2(140.0);
    synth::BandPass hiss(5200.0, 0.8);
    ShepardRise low(32.0, 5, period);
    ShepardRise shimmer(330.0, 5, period);

    std::vector<double> raw(total);
    for (std::size_t i = 0; i < total; ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double noise = rng.Range(-1.0, 1.0);
        const double rumble = rumble2.Process(rumble1.Process(noise)) * 9.0;
        const double throb = 0.75 + 0.25 * std::sin(2 * kPi * throbHz * t);
        const double sparkle = 0.55 + 0.45 * std::sin(2 * kPi * sparkleHz * t);
        raw[i] = throb * (0.55 * rumble + 0.35 * low.Next(t)) +
                 sparkle * (0.07 * shimmer.Next(t) + 0.18 * hiss.Process(noise));
    }

    // Fold the overrun back over the start with an equal-power crossfade, so
    // the last sample is followed by the continuation of the same signal.
    std::vector<double> out(raw.begin(), raw.begin() + static_cast<long>(samples));
    for (std::size_t i = 0; i < fade; ++i) {
        const double u = static_cast<double>(i) / static_cast<double>(fade);
        const double in = std::sin(0.5 * kPi * u);
        const double out_ = std::cos(0.5 * kPi * u);
        out[i] = raw[i] * in + raw[samples + i] * out_;
    }
    synth::Normalise(out, 0.6);
    return out;
}

std::vector<double> WarpSounds::Swoosh(std::size_t samples) {
    // Noise through a band that sweeps upward, swelling and then fading,
    // over a rising tone: the rush of entering the tunnel.
    std::vector<double> out(samples, 0.0);
    Rng rng(0xA5);
    synth::BandPass band(300.0, 2.5);
    double phase = 0.0;
    for (std::size_t i = 0; i < samples; ++i) {
        const double u = static_cast<double>(i) / static_cast<double>(samples);
        band.Tune(300.0 * std::pow(5200.0 / 300.0, u), 2.5);
        const double swell = std::pow(std::sin(kPi * std::pow(u, 0.75)), 1.5);
        const double freq = 180.0 * std::pow(880.0 / 180.0, u);
        phase += 2 * kPi * freq / kRate;
        out[i] = swell * (band.Process(rng.Range(-1.0, 1.0)) * 2.2 + 0.25 * std::sin(phase));
    }
    synth::FadeEdges(out, static_cast<std::size_t>(0.004 * kRate),
                     static_cast<std::size_t>(0.01 * kRate));
    synth::Normalise(out, 0.55);
    return out;
}

}  // namespace orb::art
