#include "sounds/WavWriter.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "io/LittleEndian.h"

namespace orb::art {

QByteArray WavWriter::Encode(const std::vector<double>& samples) {
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    QByteArray out;
    out.append("RIFF", 4);
    AppendU32(out, 36 + dataBytes);
    out.append("WAVE", 4);
    out.append("fmt ", 4);
    AppendU32(out, 16);
    AppendU16(out, 1);  // PCM
    AppendU16(out, 1);  // mono
    AppendU32(out, kSampleRate);
    AppendU32(out, kSampleRate * 2);
    AppendU16(out, 2);   // block align
    AppendU16(out, 16);  // bits per sample
    out.append("data", 4);
    AppendU32(out, dataBytes);
    for (double s : samples) {
        const double clamped = std::clamp(s, -1.0, 1.0);
        const auto v = static_cast<std::int16_t>(std::lround(clamped * 32767.0));
        AppendU16(out, static_cast<std::uint16_t>(v));
    }
    return out;
}

}  // namespace orb::art
