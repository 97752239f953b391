#include "platform/Dc.h"

#include <algorithm>
#include <utility>

#include "platform/Bitmap.h"
#include "platform/Font.h"
#include "platform/Framebuffer.h"
#include "platform/MemoryDc.h"

namespace platform {

namespace {

// Intersects a block with the framebuffer; false when nothing is left.
struct Span {
    int x0, y0, x1, y1;  // x1, y1 exclusive
};

bool ClipToFrame(int x, int y, int width, int height, Span* out) {
    const long long x0 = std::max<long long>(x, 0);
    const long long y0 = std::max<long long>(y, 0);
    const long long x1 =
        std::min<long long>(static_cast<long long>(x) + width, Framebuffer::kWidth);
    const long long y1 =
        std::min<long long>(static_cast<long long>(y) + height, Framebuffer::kHeight);
    if (width <= 0 || height <= 0 || x0 >= x1 || y0 >= y1) {
        return false;
    }
    *out = Span{static_cast<int>(x0), static_cast<int>(y0), static_cast<int>(x1),
                static_cast<int>(y1)};
    return true;
}

}  // namespace

Dc::Dc(Framebuffer& target, const Font* stockFont) : m_target(target), m_stockFont(stockFont) {}
ColorRef Dc::SetTextColor(ColorRef colour) {
    return std::exchange(m_textColour, colour);
}
ColorRef Dc::SetBkColor(ColorRef colour) {
    return std::exchange(m_bkColour, colour);
}
const Font* Dc::SelectFont(const Font* font) {
    return std::exchange(m_font, font);
}

void Dc::FillSolidRect(int x, int y, int width, int height, ColorRef colour) {
    Span s{};
    if (!ClipToFrame(x, y, width, height, &s)) {
        return;
    }
    const std::uint32_t pixel = ToPixel(colour);
    for (int row = s.y0; row < s.y1; ++row) {
        std::uint32_t* line =
            m_target.Data() + static_cast<std::ptrdiff_t>(row) * m_target.Stride();
        std::fill(line + s.x0, line + s.x1, pixel);
    }
}

void Dc::BitBlt(int x, int y, int width, int height, const Bitmap& source, int srcX, int srcY) {
    if (source.IsNull()) {
        return;
    }
    // Only the part that exists in both the source and the target is copied.
    const int w = std::min(width, source.Width() - srcX);
    const int h = std::min(height, source.Height() - srcY);
    Span s{};
    if (srcX < 0 || srcY < 0 || !ClipToFrame(x, y, w, h, &s)) {
        return;
    }
    for (int row = s.y0; row < s.y1; ++row) {
        std::uint32_t* line =
            m_target.Data() + static_cast<std::ptrdiff_t>(row) * m_target.Stride();
        for (int col = s.x0; col < s.x1; ++col) {
            line[col] = source.PixelAt(srcX + (col - x), srcY + (row - y));
        }
    }
}

void Dc::BitBlt(int x, int y, int width, int height, const MemoryDc& source, int srcX, int srcY) {
    if (const Bitmap* selected = source.Selected()) {
        BitBlt(x, y, width, height, *selected, srcX, srcY);
    }
}

void Dc::TextExtent(std::string_view text, int* width, int* height) const {
    *width = 0;
    *height = 0;
    if (const Font* font = CurrentFont()) {
        font->Extent(text, width, height);
    }
}

void Dc::TextOut(int x, int y, std::string_view text) {
    const Font* font = CurrentFont();
    if (text.empty() || font == nullptr) {
        return;
    }
    int width = 0;
    int height = 0;
    font->Extent(text, &width, &height);
    FillSolidRect(x, y, width, height, m_bkColour);
    font->Draw(m_target, x, y, text, m_textColour);
}

ColorRef Dc::GetPixel(int x, int y) const {
    if (!m_target.Contains(x, y)) {
        return kInvalidColour;
    }
    return FromPixel(m_target.PixelAt(x, y));
}

void Dc::DrawIndexed(int x, int y, int width, int height, const std::uint8_t* rows,
                     const ColorRef* colourTable) {
    Span s{};
    if (rows == nullptr || colourTable == nullptr || !ClipToFrame(x, y, width, height, &s)) {
        return;
    }
    std::uint32_t pixels[256];
    for (int i = 0; i < 256; ++i) {
        pixels[i] = ToPixel(colourTable[i]);
    }
    for (int row = s.y0; row < s.y1; ++row) {
        const std::uint8_t* src = rows + static_cast<std::ptrdiff_t>(row - y) * width;
        std::uint32_t* line =
            m_target.Data() + static_cast<std::ptrdiff_t>(row) * m_target.Stride();
        for (int col = s.x0; col < s.x1; ++col) {
            line[col] = pixels[src[col - x]];
        }
    }
}

}  // namespace platform
