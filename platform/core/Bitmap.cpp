#include "platform/Bitmap.h"

#include <utility>

namespace platform {

Bitmap::Bitmap(int width, int height, std::vector<std::uint32_t> pixels, int sourceBitsPerPixel,
               int id) {
    if (width <= 0 || height <= 0 ||
        pixels.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {
        return;
    }
    m_pixels = std::move(pixels);
    m_width = width;
    m_height = height;
    m_sourceBits = sourceBitsPerPixel;
    m_id = id;
}

void Bitmap::Reset() {
    *this = Bitmap();
}

}  // namespace platform
