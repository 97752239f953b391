// An 8-bit picture: one palette index per pixel, rows top first.
#pragma once

#include <QImage>
#include <QRgb>
#include <cstdint>
#include <vector>

namespace orb::art {

class IndexedImage {
  public:
    IndexedImage() = default;
    IndexedImage(int width, int height, std::vector<std::uint8_t> pixels,
                 std::vector<QRgb> palette);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    const std::vector<std::uint8_t>& Pixels() const { return m_pixels; }
    const std::vector<QRgb>& Palette() const { return m_palette; }

    // Drops palette entries no pixel uses, orders the rest by brightness and
    // renumbers the pixels, so the used indices are exactly 0..n-1.
    void Compact();

    // The full-colour picture this one shows.
    QImage ToImage() const;

  private:
    int m_width = 0;
    int m_height = 0;
    std::vector<std::uint8_t> m_pixels;
    std::vector<QRgb> m_palette;
};

}  // namespace orb::art
