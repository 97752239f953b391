// A picture in the framebuffer's pixel format, as a device-dependent bitmap
// is held. The program's own come from a BitmapSource.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace platform {

class Bitmap {
  public:
    Bitmap() = default;
    // Takes `width` x `height` pixels (0xFFRRGGBB), top row first. Pixels that
    // do not make up exactly that many leave the bitmap empty.
    Bitmap(int width, int height, std::vector<std::uint32_t> pixels, int sourceBitsPerPixel,
           int id);

    void Reset();
    bool IsNull() const { return m_pixels.empty(); }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // Colour depth of the stored resource (4, 8, 24 ...), 0 when empty.
    int SourceBitsPerPixel() const { return m_sourceBits; }
    int ResourceId() const { return m_id; }

    // Row `y`, Width() pixels.
    const std::uint32_t* Row(int y) const {
        return m_pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width);
    }
    std::uint32_t PixelAt(int x, int y) const {
        return m_pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) +
                        static_cast<std::size_t>(x)];
    }

  private:
    std::vector<std::uint32_t> m_pixels;
    int m_width = 0;
    int m_height = 0;
    int m_sourceBits = 0;
    int m_id = 0;
};

}  // namespace platform
