#include "WavWriter.h"

#include <QFile>
#include <algorithm>
#include <cmath>
#include <cstdint>

namespace orb::art {
namespace {

void PutU16(QByteArray& out, std::uint32_t v) {
    out.append(static_cast<char>(v & 0xFF));
    out.append(static_cast<char>((v >> 8) & 0xFF));
}

void PutU32(QByteArray& out, std::uint32_t v) {
    PutU16(out, v & 0xFFFF);
    PutU16(out, v >> 16);
}

}  // namespace

QByteArray WavWriter::Encode(const std::vector<double>& samples) {
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    QByteArray out;
    out.append("RIFF", 4);
    PutU32(out, 36 + dataBytes);
    out.append("WAVE", 4);
    out.append("fmt ", 4);
    PutU32(out, 16);
    PutU16(out, 1);  // PCM
    PutU16(out, 1);  // mono
    PutU32(out, kSampleRate);
    PutU32(out, kSampleRate * 2);
    PutU16(out, 2);   // block align
    PutU16(out, 16);  // bits per sample
    out.append("data", 4);
    PutU32(out, dataBytes);
    for (double s : samples) {
        const double clamped = std::clamp(s, -1.0, 1.0);
        const auto v = static_cast<std::int16_t>(std::lround(clamped * 32767.0));
        PutU16(out, static_cast<std::uint16_t>(v));
    }
    return out;
}

bool WavWriter::WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return false;
    }
    return file.write(bytes) == bytes.size();
}

}  // namespace orb::art
