// Text through the context with a font that needs no toolkit: which font
// draws, the cells filled first, the colours handed on.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/Dc.h"
#include "platform/Font.h"
#include "platform/Framebuffer.h"

namespace {

using platform::Rgb;

constexpr platform::ColorRef kGrey = Rgb(212, 208, 200);

// Cells of `cellWidth` x `cellHeight` per character; "glyphs" are one pixel
// at the top left of each cell, so a test can tell ink from background.
class BlockFont final : public platform::Font {
  public:
    BlockFont(const char* face, int cellWidth, int cellHeight)
        : Font(face, -cellHeight), m_cellWidth(cellWidth), m_cellHeight(cellHeight) {}

    void Extent(std::string_view text, int* width, int* height) const override {
        *width = static_cast<int>(text.size()) * m_cellWidth;
        *height = m_cellHeight;
    }
    void Draw(platform::Framebuffer& target, int x, int y, std::string_view text,
              platform::ColorRef colour) const override {
        draws.push_back(std::string(text));
        for (std::size_t i = 0; i < text.size(); ++i) {
            const int cx = x + static_cast<int>(i) * m_cellWidth;
            if (text[i] != ' ' && target.Contains(cx, y)) {
                target.Data()[y * target.Stride() + cx] = platform::ToPixel(colour);
            }
        }
    }

    mutable std::vector<std::string> draws;

  private:
    int m_cellWidth;
    int m_cellHeight;
};

std::pair<int, int> Extent(const platform::Dc& dc, std::string_view text) {
    std::pair<int, int> size{-1, -1};
    dc.TextExtent(text, &size.first, &size.second);
    return size;
}

class DcText : public ::testing::Test {
  protected:
    platform::Framebuffer frame{kGrey};
    BlockFont stock{"System", 4, 4};
    BlockFont label{"Label", 10, 20};
    platform::Dc dc{frame, &stock};
};

TEST_F(DcText, SelectedFontDrawsOverItsFilledCells) {
    EXPECT_EQ(dc.SelectFont(&label), nullptr);  // nothing was selected before
    dc.SetBkColor(Rgb(80, 0, 80));
    dc.SetTextColor(Rgb(255, 255, 0));
    dc.TextOut(100, 50, "AB");
    ASSERT_EQ(label.draws, std::vector<std::string>{"AB"});
    EXPECT_TRUE(stock.draws.empty());
    EXPECT_EQ(dc.GetPixel(100, 50), Rgb(255, 255, 0));  // ink
    EXPECT_EQ(dc.GetPixel(110, 50), Rgb(255, 255, 0));
    EXPECT_EQ(dc.GetPixel(105, 60), Rgb(80, 0, 80));  // cell background
    EXPECT_EQ(dc.GetPixel(119, 69), Rgb(80, 0, 80));  // last pixel of the cells
    EXPECT_EQ(dc.GetPixel(120, 60), kGrey);
    EXPECT_EQ(dc.GetPixel(105, 70), kGrey);
    EXPECT_EQ(dc.GetPixel(99, 60), kGrey);
    EXPECT_EQ(Extent(dc, "ABC"), std::make_pair(30, 20));
}

TEST_F(DcText, WithoutASelectionTheStockFontDraws) {
    dc.SelectFont(&label);
    EXPECT_EQ(dc.SelectFont(nullptr), &label);
    dc.TextOut(0, 0, "x");
    EXPECT_EQ(stock.draws, std::vector<std::string>{"x"});
    EXPECT_TRUE(label.draws.empty());
    EXPECT_EQ(Extent(dc, "xy"), std::make_pair(8, 4));
}

TEST_F(DcText, EmptyTextFillsNothing) {
    dc.SetBkColor(Rgb(80, 0, 80));
    dc.TextOut(10, 10, "");
    EXPECT_TRUE(stock.draws.empty());
    EXPECT_EQ(dc.GetPixel(10, 10), kGrey);
}

TEST(DcTextWithoutFonts, DrawsAndMeasuresNothing) {
    platform::Framebuffer frame(kGrey);
    platform::Dc dc(frame);
    dc.SetBkColor(Rgb(80, 0, 80));
    dc.TextOut(10, 10, "text");
    EXPECT_EQ(dc.GetPixel(10, 10), kGrey);
    EXPECT_EQ(Extent(dc, "text"), std::make_pair(0, 0));
}

}  // namespace
