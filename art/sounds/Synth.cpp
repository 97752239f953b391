#include "sounds/Synth.h"

#include <algorithm>
#include <cmath>

namespace orb::art::synth {

LowPass::LowPass(double cutoff) : m_a(1.0 - std::exp(-2.0 * kPi * cutoff / kRate)) {}

double LowPass::Process(double x) {
    m_z += m_a * (x - m_z);
    return m_z;
}

BandPass::BandPass(double centre, double q) {
    Tune(centre, q);
}

void BandPass::Tune(double centre, double q) {
    // Constant 0 dB peak gain form.
    const double w = 2.0 * kPi * centre / kRate;
    const double alpha = std::sin(w) / (2.0 * q);
    const double a0 = 1.0 + alpha;
    m_b0 = alpha / a0;
    m_b2 = -alpha / a0;
    m_a1 = -2.0 * std::cos(w) / a0;
    m_a2 = (1.0 - alpha) / a0;
}

double BandPass::Process(double x) {
    const double y = m_b0 * x + m_b2 * m_x2 - m_a1 * m_y1 - m_a2 * m_y2;
    m_x2 = m_x1;
    m_x1 = x;
    m_y2 = m_y1;
    m_y1 = y;
    return y;
}

double WholeCycles(double approxHz, std::size_t samples) {
    const double seconds = static_cast<double>(samples) / kRate;
    const double cycles = std::max(1.0, std::round(approxHz * seconds));
    return cycles / seconds;
}

void Normalise(std::vector<double>& samples, double peak) {
    double largest = 0.0;
    for (double s : samples) {
        largest = std::max(largest, std::fabs(s));
    }
    if (largest <= 0.0) {
        return;
    }
    const double k = peak / largest;
    for (double& s : samples) {
        s *= k;
    }
}

void FadeEdges(std::vector<double>& samples, std::size_t fadeIn, std::size_t fadeOut) {
    const std::size_t n = samples.size();
    for (std::size_t i = 0; i < fadeIn && i < n; ++i) {
        samples[i] *= static_cast<double>(i) / static_cast<double>(fadeIn);
    }
    for (std::size_t i = 0; i < fadeOut && i < n; ++i) {
        samples[n - 1 - i] *= static_cast<double>(i) / static_cast<double>(fadeOut);
    }
}

}  // namespace orb::art::synth
