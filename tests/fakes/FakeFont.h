// A font that needs no toolkit: fixed cells two fifths of the height wide,
// glyphs that spell each character's code along the cell's top row, and an
// optional record of every text drawn with it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/Font.h"

namespace orbtest {

struct TextDraw {
    std::string face;
    int height;  // as the font was asked for
    std::string text;
    int x;
    int y;
    platform::ColorRef colour;
};

class FakeFont final : public platform::Font {
  public:
    // `log`, when given, must outlive the font.
    FakeFont(const std::string& face, int height, std::vector<TextDraw>* log = nullptr);

    int CellWidth() const { return m_cellWidth; }
    int CellHeight() const { return m_cellHeight; }

    void Extent(std::string_view text, int* width, int* height) const override;
    // Text is UTF-8, a cell per character. Leaves the cells' background
    // alone, as a font does. The top row's first pixel marks a character other
    // than a blank; the next pixels, up to seven as far as the cell reaches,
    // hold the lowest bits of its code point, lowest first. The bits left over
    // go on the rows below in the same way, each row's first pixel marking it
    // as used.
    void Draw(platform::Framebuffer& target, int x, int y, std::string_view text,
              platform::ColorRef colour) const override;

  private:
    int m_cellWidth;
    int m_cellHeight;
    std::vector<TextDraw>* m_log;
};

// The text the fake glyphs spell in `count` cells of `cellWidth` from (x, y),
// in ink of `colour`, as UTF-8; a cell without the mark reads as a blank.
std::string ReadFakeText(const platform::Framebuffer& frame, int x, int y, int cellWidth, int count,
                         platform::ColorRef colour);

}  // namespace orbtest
