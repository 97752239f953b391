// Drawing onto the framebuffer with the operations the view uses: solid
// fills, source copies of bitmaps, opaque text and pixel reads. Everything is
// clipped to the framebuffer, and what changes is recorded.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/Colour.h"
#include "platform/Rect.h"

namespace platform {

class Bitmap;
class Font;
class Framebuffer;
class MemoryDc;

class Dc {
  public:
    // `stockFont` is what text is drawn with while no font is selected, as a
    // fresh context starts with the system font; it belongs to whoever makes
    // the context and must outlive it. Without one, such text is not drawn.
    explicit Dc(Framebuffer& target, const Font* stockFont = nullptr);
    ~Dc() = default;
    Dc(const Dc&) = delete;
    Dc& operator=(const Dc&) = delete;

    ColorRef SetTextColor(ColorRef colour);
    ColorRef SetBkColor(ColorRef colour);
    ColorRef TextColor() const { return m_textColour; }
    ColorRef BkColor() const { return m_bkColour; }
    // Returns the font selected before; null selects the stock font.
    const Font* SelectFont(const Font* font);

    void FillSolidRect(int x, int y, int width, int height, ColorRef colour);
    // Copies a width x height block of `source` from (srcX, srcY) to (x, y).
    void BitBlt(int x, int y, int width, int height, const Bitmap& source, int srcX, int srcY);
    // The same from the bitmap selected into `source`; nothing when none is.
    void BitBlt(int x, int y, int width, int height, const MemoryDc& source, int srcX, int srcY);
    // Draws text with its top-left corner at (x, y); the character cells are
    // first filled with the background colour.
    void TextOut(int x, int y, std::string_view text);
    // Size in pixels of the cells TextOut fills for `text` with the current font.
    void TextExtent(std::string_view text, int* width, int* height) const;
    ColorRef GetPixel(int x, int y) const;
    const Framebuffer& Target() const { return m_target; }

    // Copies an 8-bit indexed picture through a colour table of 256 entries
    // (0x00BBGGRR) to (x, y). `rows` holds `height` rows of `width` bytes, top first.
    void DrawIndexed(int x, int y, int width, int height, const std::uint8_t* rows,
                     const ColorRef* colourTable);

    // Blocks holding every pixel this context has changed so far, in drawing
    // order: what a paint changed on screen. Drawing what already stands
    // there changes nothing; text counts its cells as changed.
    const std::vector<Rect>& Changed() const { return m_changed; }

  private:
    const Font* CurrentFont() const { return m_font != nullptr ? m_font : m_stockFont; }

    Framebuffer& m_target;
    const Font* m_stockFont;
    ColorRef m_textColour = 0x000000;
    ColorRef m_bkColour = 0xFFFFFF;
    const Font* m_font = nullptr;
    std::vector<Rect> m_changed;
};

}  // namespace platform
