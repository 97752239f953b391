// A picture loaded from the program's resources by numeric id and held in the
// framebuffer's pixel format, as a device-dependent bitmap is.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace platform {

class Bitmap {
  public:
    Bitmap() = default;

    // Loads bitmap resource `id`; on failure the bitmap stays empty.
    bool LoadFromResource(int id);
    // The same from the bytes of a BMP file.
    bool LoadFromBmp(const unsigned char* bytes, std::size_t size, int id);

    void Reset();
    bool IsNull() const { return m_pixels.empty(); }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // Colour depth of the stored resource (4, 8, 24 ...), 0 when empty.
    int SourceBitsPerPixel() const { return m_sourceBits; }
    int ResourceId() const { return m_id; }

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
