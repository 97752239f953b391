#include "quant/ErrorDiffusionDitherer.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace orb::art {

namespace {

using Float3 = std::array<float, 3>;

Float3 ToFloat(const std::array<double, 3>& v) {
    return {static_cast<float>(v[0]), static_cast<float>(v[1]), static_cast<float>(v[2])};
}

// Palette in the scaled space, one array per channel so the search loop
// stays simple enough for the compiler to vectorise.
struct ScaledPalette {
    std::vector<float> r, g, b;
    Float3 weight;
    int size = 0;

    ScaledPalette(const std::vector<QRgb>& palette, const Float3& scale, const Float3& w)
        : weight(w) {
        for (QRgb c : palette) {
            r.push_back(static_cast<float>(qRed(c)) * scale[0]);
            g.push_back(static_cast<float>(qGreen(c)) * scale[1]);
            b.push_back(static_cast<float>(qBlue(c)) * scale[2]);
        }
        size = static_cast<int>(palette.size());
    }

    int Nearest(float cr, float cg, float cb) const {
        int best = 0;
        float bestD = 3.0e9f;
        for (int i = 0; i < size; ++i) {
            const float dr = r[static_cast<std::size_t>(i)] - cr;
            const float dg = g[static_cast<std::size_t>(i)] - cg;
            const float db = b[static_cast<std::size_t>(i)] - cb;
            const float d = weight[0] * dr * dr + weight[1] * dg * dg + weight[2] * db * db;
            if (d < bestD) {
                bestD = d;
                best = i;
            }
        }
        return best;
    }
};

}  // namespace

ErrorDiffusionDitherer::ErrorDiffusionDitherer(float strength, ColorSpace space)
    : m_strength(strength), m_space(space) {}

IndexedImage ErrorDiffusionDitherer::Apply(const QImage& source,
                                           const std::vector<QRgb>& palette) const {
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const int w = image.width();
    const int h = image.height();
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), 0);
    if (palette.empty()) {
        return IndexedImage(w, h, std::move(pixels), palette);
    }
    const Float3 scale = ToFloat(m_space.scale);
    const ScaledPalette scaled(palette, scale, ToFloat(m_space.weight));
    // Error carried into this row and the next, three channels per pixel,
    // with one spare pixel at each end so the edges need no special case.
    const std::size_t rowLen = static_cast<std::size_t>(w + 2) * 3;
    std::vector<float> cur(rowLen, 0.0f);
    std::vector<float> next(rowLen, 0.0f);

    for (int y = 0; y < h; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        const bool forward = (y % 2) == 0;
        const int dir = forward ? 1 : -1;
        std::fill(next.begin(), next.end(), 0.0f);
        for (int i = 0; i < w; ++i) {
            const int x = forward ? i : w - 1 - i;
            const std::size_t e = static_cast<std::size_t>(x + 1) * 3;
            const QRgb src = line[x];
            std::array<float, 3> want = {
                static_cast<float>(qRed(src)) + cur[e],
                static_cast<float>(qGreen(src)) + cur[e + 1],
                static_cast<float>(qBlue(src)) + cur[e + 2],
            };
            for (float& v : want) {
                v = std::clamp(v, 0.0f, 255.0f);
            }
            const int idx =
                scaled.Nearest(want[0] * scale[0], want[1] * scale[1], want[2] * scale[2]);
            pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(w) +
                   static_cast<std::size_t>(x)] = static_cast<std::uint8_t>(idx);
            const QRgb got = palette[static_cast<std::size_t>(idx)];
            const std::array<float, 3> err = {
                (want[0] - static_cast<float>(qRed(got))) * m_strength,
                (want[1] - static_cast<float>(qGreen(got))) * m_strength,
                (want[2] - static_cast<float>(qBlue(got))) * m_strength,
            };
            const std::size_t ahead = static_cast<std::size_t>(x + 1 + dir) * 3;
            const std::size_t behind = static_cast<std::size_t>(x + 1 - dir) * 3;
            for (std::size_t k = 0; k < 3; ++k) {
                cur[ahead + k] += err[k] * (7.0f / 16.0f);
                next[behind + k] += err[k] * (3.0f / 16.0f);
                next[e + k] += err[k] * (5.0f / 16.0f);
                next[ahead + k] += err[k] * (1.0f / 16.0f);
            }
        }
        std::swap(cur, next);
    }
    return IndexedImage(w, h, std::move(pixels), palette);
}

}  // namespace orb::art
