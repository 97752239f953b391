#include "quant/IndexedImage.h"

#include <algorithm>
#include <array>
#include <utility>

namespace orb::art {

IndexedImage::IndexedImage(int width, int height, std::vector<std::uint8_t> pixels,
                           std::vector<QRgb> palette)
    : m_width(width),
      m_height(height),
      m_pixels(std::move(pixels)),
      m_palette(std::move(palette)) {}

void IndexedImage::Compact() {
    std::array<bool, 256> used{};
    for (std::uint8_t p : m_pixels) {
        used[p] = true;
    }
    std::vector<int> order;
    for (int i = 0; i < static_cast<int>(m_palette.size()); ++i) {
        if (used[static_cast<std::size_t>(i)]) {
            order.push_back(i);
        }
    }
    // Darkest first; ties broken by the colour value itself so the order never
    // depends on where an entry happened to sit before.
    auto key = [this](int i) {
        const QRgb c = m_palette[static_cast<std::size_t>(i)];
        const int luma = 299 * qRed(c) + 587 * qGreen(c) + 114 * qBlue(c);
        return std::make_pair(luma, c & 0xFFFFFFu);
    };
    std::sort(order.begin(), order.end(), [&](int a, int b) { return key(a) < key(b); });
    std::array<std::uint8_t, 256> remap{};
    std::vector<QRgb> palette;
    for (std::size_t n = 0; n < order.size(); ++n) {
        remap[static_cast<std::size_t>(order[n])] = static_cast<std::uint8_t>(n);
        palette.push_back(m_palette[static_cast<std::size_t>(order[n])] | 0xFF000000u);
    }
    for (std::uint8_t& p : m_pixels) {
        p = remap[p];
    }
    m_palette = std::move(palette);
}

QImage IndexedImage::ToImage() const {
    QImage image(m_width, m_height, QImage::Format_RGB32);
    for (int y = 0; y < m_height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const std::uint8_t* src = m_pixels.data() + static_cast<std::size_t>(y) * m_width;
        for (int x = 0; x < m_width; ++x) {
            line[x] = m_palette[src[x]] | 0xFF000000u;
        }
    }
    return image;
}

}  // namespace orb::art
