// Colours as the drawing code names them: 0x00BBGGRR, red in the low byte.
#pragma once

#include <cstdint>

namespace platform {

using ColorRef = std::uint32_t;

constexpr ColorRef kInvalidColour = 0xFFFFFFFFu;

constexpr ColorRef Rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return static_cast<ColorRef>(red) | (static_cast<ColorRef>(green) << 8) |
           (static_cast<ColorRef>(blue) << 16);
}

constexpr std::uint8_t RedOf(ColorRef c) {
    return static_cast<std::uint8_t>(c & 0xFFu);
}
constexpr std::uint8_t GreenOf(ColorRef c) {
    return static_cast<std::uint8_t>((c >> 8) & 0xFFu);
}
constexpr std::uint8_t BlueOf(ColorRef c) {
    return static_cast<std::uint8_t>((c >> 16) & 0xFFu);
}

// The framebuffer's own pixel format is 0xFFRRGGBB, which Qt shows without a copy.
constexpr std::uint32_t ToPixel(ColorRef c) {
    return 0xFF000000u | (static_cast<std::uint32_t>(RedOf(c)) << 16) |
           (static_cast<std::uint32_t>(GreenOf(c)) << 8) | BlueOf(c);
}

constexpr ColorRef FromPixel(std::uint32_t p) {
    return Rgb(static_cast<std::uint8_t>((p >> 16) & 0xFFu),
               static_cast<std::uint8_t>((p >> 8) & 0xFFu), static_cast<std::uint8_t>(p & 0xFFu));
}

}  // namespace platform
