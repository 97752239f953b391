#include "platform/Dc.h"

#include <algorithm>
#include <array>
#include <cstring>
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

Rect AsRect(const Span& s) {
    return Rect{s.x0, s.y0, s.x1 - s.x0, s.y1 - s.y0};
}

std::uint32_t* RowOf(Framebuffer& frame, int row) {
    return frame.Data() + static_cast<std::ptrdiff_t>(row) * frame.Stride();
}

// Colour-table entries for `count` indices, four at a time.
void ConvertRow(const std::uint8_t* from, std::uint32_t* to, std::size_t count,
                const std::uint32_t* pixels) {
    for (std::size_t i = 0; i < count; ++i) {
        to[i] = pixels[from[i]];
    }
}

// The smallest rectangle holding every pixel a drawing changed. Pixels that
// already have their new value are left alone, so that drawing the same
// picture again changes nothing on screen either.
class ChangeBox {
  public:
    // Puts `count` pixels from `from` at column `x` of row `row`.
    void CopyRow(const std::uint32_t* from, Framebuffer& frame, int x, int row, int count) {
        std::uint32_t* to = RowOf(frame, row) + x;
        const auto n = static_cast<std::size_t>(count);
        if (std::memcmp(from, to, n * sizeof *to) == 0) {
            return;
        }
        const auto first = static_cast<int>(std::mismatch(from, from + n, to).first - from);
        int last = count - 1;
        while (from[last] == to[last]) {
            --last;
        }
        std::copy(from + first, from + last + 1, to + first);
        Take(x + first, x + last, row);
    }

    void AddTo(std::vector<Rect>& changed) const {
        if (m_top >= 0) {
            changed.push_back(Rect{m_left, m_top, m_right - m_left + 1, m_bottom - m_top + 1});
        }
    }

  private:
    void Take(int left, int right, int row) {
        m_left = m_top < 0 ? left : std::min(m_left, left);
        m_right = m_top < 0 ? right : std::max(m_right, right);
        m_top = m_top < 0 ? row : m_top;
        m_bottom = row;
    }

    int m_left = 0;
    int m_right = -1;
    int m_top = -1;
    int m_bottom = -1;
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
    // A row of the colour, compared and copied as a picture's row is.
    std::array<std::uint32_t, Framebuffer::kWidth> fill{};
    std::fill_n(fill.begin(), s.x1 - s.x0, ToPixel(colour));
    ChangeBox box;
    for (int row = s.y0; row < s.y1; ++row) {
        box.CopyRow(fill.data(), m_target, s.x0, row, s.x1 - s.x0);
    }
    box.AddTo(m_changed);
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
    ChangeBox box;
    for (int row = s.y0; row < s.y1; ++row) {
        const std::uint32_t* from = source.Row(srcY + (row - y)) + srcX + (s.x0 - x);
        box.CopyRow(from, m_target, s.x0, row, s.x1 - s.x0);
    }
    box.AddTo(m_changed);
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
    // The glyphs may change what the fill did not: the cells count as changed.
    Span cells{};
    if (ClipToFrame(x, y, width, height, &cells)) {
        m_changed.push_back(AsRect(cells));
    }
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
    const auto count = static_cast<std::size_t>(s.x1 - s.x0);
    std::array<std::uint32_t, Framebuffer::kWidth> converted{};
    const std::uint8_t* previous = nullptr;
    ChangeBox box;
    for (int row = s.y0; row < s.y1; ++row) {
        const std::uint8_t* from = rows + static_cast<std::ptrdiff_t>(row - y) * width + (s.x0 - x);
        // A magnified picture repeats whole rows: then the row is converted already.
        if (previous == nullptr || std::memcmp(from, previous, count) != 0) {
            ConvertRow(from, converted.data(), count, pixels);
        }
        box.CopyRow(converted.data(), m_target, s.x0, row, s.x1 - s.x0);
        previous = from;
    }
    box.AddTo(m_changed);
}

}  // namespace platform
