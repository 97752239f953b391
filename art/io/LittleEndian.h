// Little-endian numbers in byte arrays, as the BMP, WAV and palette headers
// store them.
#pragma once

#include <QByteArray>
#include <cstdint>

namespace orb::art {

inline void AppendU16(QByteArray& out, std::uint32_t value) {
    out.append(static_cast<char>(value & 0xFF));
    out.append(static_cast<char>((value >> 8) & 0xFF));
}

inline void AppendU32(QByteArray& out, std::uint32_t value) {
    AppendU16(out, value & 0xFFFF);
    AppendU16(out, value >> 16);
}

inline std::uint32_t ReadU16(const QByteArray& bytes, qsizetype at) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 1])) << 8;
}

inline std::uint32_t ReadU32(const QByteArray& bytes, qsizetype at) {
    return ReadU16(bytes, at) | ReadU16(bytes, at + 2) << 16;
}

}  // namespace orb::art
