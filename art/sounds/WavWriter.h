// 16-bit mono PCM WAV files with the plain 44-byte header.
#pragma once

#include <QByteArray>
#include <vector>

namespace orb::art {

class WavWriter {
  public:
    static constexpr int kSampleRate = 22050;

    // Samples in [-1, 1]; anything outside is clamped.
    static QByteArray Encode(const std::vector<double>& samples);
    // How many samples make a file of exactly this many bytes.
    static std::size_t SamplesForFileSize(std::size_t bytes) { return (bytes - 44) / 2; }
};

}  // namespace orb::art
