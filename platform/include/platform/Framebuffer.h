// The view's persistent 800 x 600 picture. It keeps what earlier paints drew,
// as a window's pixels on screen do, so drawing can be incremental.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/Colour.h"

namespace platform {

class Framebuffer {
  public:
    static constexpr int kWidth = 800;
    static constexpr int kHeight = 600;

    // Starts filled with the given colour: the window's erased background.
    explicit Framebuffer(ColorRef background);

    int Width() const { return kWidth; }
    int Height() const { return kHeight; }
    int Stride() const { return kWidth; }  // pixels per row

    std::uint32_t* Data() { return m_pixels.data(); }
    const std::uint32_t* Data() const { return m_pixels.data(); }

    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < kWidth && y < kHeight; }
    std::uint32_t PixelAt(int x, int y) const {
        return m_pixels[static_cast<std::size_t>(y) * kWidth + static_cast<std::size_t>(x)];
    }

  private:
    std::vector<std::uint32_t> m_pixels;
};

}  // namespace platform
