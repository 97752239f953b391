// Small building blocks for the synthesised sounds: filters, envelopes and
// level helpers. Everything is plain arithmetic on doubles, so the same source
// always gives the same samples.
#pragma once

#include <cstddef>
#include <vector>

#include "kit/PaintKit.h"

namespace orb::art::synth {

constexpr double kRate = 22050.0;

// One-pole low-pass, cutoff in Hz.
class LowPass {
  public:
    explicit LowPass(double cutoff);
    double Process(double x);

  private:
    double m_a;
    double m_z = 0.0;
};

// Band-pass biquad whose centre may move from sample to sample.
class BandPass {
  public:
    BandPass(double centre, double q);
    void Tune(double centre, double q);
    double Process(double x);

  private:
    double m_b0 = 0, m_b2 = 0, m_a1 = 0, m_a2 = 0;
    double m_x1 = 0, m_x2 = 0, m_y1 = 0, m_y2 = 0;
};

// A frequency whose whole number of cycles fits in the given span, so a
// modulation returns to where it started when a loop wraps.
double WholeCycles(double approxHz, std::size_t samples);

// Scales the samples so the largest magnitude is exactly peak.
void Normalise(std::vector<double>& samples, double peak);

// Linear fades over the first and last samples (lengths in samples).
void FadeEdges(std::vector<double>& samples, std::size_t fadeIn, std::size_t fadeOut);

}  // namespace orb::art::synth
