#include "sounds/ConsoleSounds.h"

#include <algorithm>
#include <cmath>

#include "kit/PaintKit.h"
#include "sounds/Synth.h"

namespace orb::art {

using synth::kRate;

std::vector<double> ConsoleSounds::Beep(std::size_t samples) {
    // A key click followed by a short bright beep; the rest is silence.
    std::vector<double> out(samples, 0.0);
    Rng rng(0xBEE9);
    synth::BandPass click(3200.0, 1.5);
    const std::size_t clickLength = static_cast<std::size_t>(0.006 * kRate);
    for (std::size_t i = 0; i < clickLength && i < samples; ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double attack = std::min(1.0, t / 0.0004);
        out[i] += 1.6 * attack * click.Process(rng.Range(-1.0, 1.0)) * std::exp(-t / 0.0015);
    }
    const double start = 0.008;
    const double length = 0.085;
    for (std::size_t i = 0; i < samples; ++i) {
        const double t = static_cast<double>(i) / kRate - start;
        if (t < 0 || t > length) {
            continue;
        }
        const double attack = std::min(1.0, t / 0.003);
        const double release = std::min(1.0, (length - t) / 0.012);
        const double body = std::exp(-t / 0.06);
        const double tone = std::sin(2 * kPi * 1320.0 * t) + 0.25 * std::sin(2 * kPi * 2640.0 * t) +
                            0.08 * std::sin(2 * kPi * 3960.0 * t);
        out[i] += 0.7 * tone * attack * release * body;
    }
    synth::Normalise(out, 0.5);
    return out;
}

std::vector<double> ConsoleSounds::Chime(std::size_t samples) {
    // Two soft bell strikes a fifth apart, each with a few inharmonic partials.
    std::vector<double> out(samples, 0.0);
    struct Strike {
        double at;
        double freq;
    };
    const Strike strikes[] = {{0.0, 1046.5}, {0.11, 1568.0}};
    const double partials[][3] = {{1.0, 1.0, 0.22}, {2.76, 0.32, 0.09}, {5.40, 0.12, 0.05}};
    for (const auto& s : strikes) {
        for (std::size_t i = 0; i < samples; ++i) {
            const double t = static_cast<double>(i) / kRate - s.at;
            if (t < 0) {
                continue;
            }
            const double attack = std::min(1.0, t / 0.004);
            double v = 0;
            for (const auto& p : partials) {
                v += p[1] * std::sin(2 * kPi * s.freq * p[0] * t) * std::exp(-t / p[2]);
            }
            out[i] += attack * v;
        }
    }
    synth::FadeEdges(out, 0, static_cast<std::size_t>(0.04 * kRate));
    synth::Normalise(out, 0.5);
    return out;
}

std::vector<double> ConsoleSounds::PowerDown(std::size_t samples) {
    // A falling buzz: a few harmonics gliding down while the level drains.
    std::vector<double> out(samples, 0.0);
    synth::LowPass soften(3000.0);
    double phase = 0.0;
    for (std::size_t i = 0; i < samples; ++i) {
        const double u = static_cast<double>(i) / static_cast<double>(samples);
        const double freq = 900.0 * std::pow(110.0 / 900.0, u);
        phase += 2 * kPi * freq / kRate;
        const double v = std::sin(phase) + 0.45 * std::sin(2 * phase) + 0.2 * std::sin(3 * phase);
        out[i] = soften.Process(v) * (1.0 - 0.85 * u);
    }
    synth::FadeEdges(out, static_cast<std::size_t>(0.002 * kRate),
                     static_cast<std::size_t>(0.015 * kRate));
    synth::Normalise(out, 0.5);
    return out;
}

}  // namespace orb::art
