// Text through the context with a font that needs no toolkit: which font
// draws, the cells filled first, the colours handed on.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "fakes/FakeFont.h"
#include "platform/Dc.h"
#include "platform/Font.h"
#include "platform/Framebuffer.h"

namespace {

using platform::Rgb;

constexpr platform::ColorRef kGrey = Rgb(212, 208, 200);

std::pair<int, int> Extent(const platform::Dc& dc, std::string_view text) {
    std::pair<int, int> size{-1, -1};
    dc.TextExtent(text, &size.first, &size.second);
    return size;
}

using orbtest::FakeFont;
using orbtest::TextDraw;

std::vector<std::string> Texts(const std::vector<TextDraw>& draws, const char* face) {
    std::vector<std::string> texts;
    for (const TextDraw& draw : draws) {
        if (draw.face == face) {
            texts.push_back(draw.text);
        }
    }
    return texts;
}

class DcText : public ::testing::Test {
  protected:
    std::vector<TextDraw> draws;
    platform::Framebuffer frame{kGrey};
    FakeFont stock{"System", -10, &draws};  // cells of 4 x 10
    FakeFont label{"Label", -25, &draws};   // cells of 10 x 25
    platform::Dc dc{frame, &stock};
};

TEST_F(DcText, SelectedFontDrawsOverItsFilledCells) {
    EXPECT_EQ(dc.SelectFont(&label), nullptr);  // nothing was selected before
    dc.SetBkColor(Rgb(80, 0, 80));
    dc.SetTextColor(Rgb(255, 255, 0));
    dc.TextOut(100, 50, "AB");
    ASSERT_EQ(Texts(draws, "Label"), std::vector<std::string>{"AB"});
    EXPECT_TRUE(Texts(draws, "System").empty());
    EXPECT_EQ(dc.GetPixel(100, 50), Rgb(255, 255, 0));  // ink
    EXPECT_EQ(dc.GetPixel(110, 50), Rgb(255, 255, 0));
    EXPECT_EQ(dc.GetPixel(105, 60), Rgb(80, 0, 80));  // cell background
    EXPECT_EQ(dc.GetPixel(119, 74), Rgb(80, 0, 80));  // last pixel of the cells
    EXPECT_EQ(dc.GetPixel(120, 60), kGrey);
    EXPECT_EQ(dc.GetPixel(105, 75), kGrey);
    EXPECT_EQ(dc.GetPixel(99, 60), kGrey);
    EXPECT_EQ(Extent(dc, "ABC"), std::make_pair(30, 25));
}

TEST_F(DcText, WithoutASelectionTheStockFontDraws) {
    dc.SelectFont(&label);
    EXPECT_EQ(dc.SelectFont(nullptr), &label);
    dc.TextOut(0, 0, "x");
    EXPECT_EQ(Texts(draws, "System"), std::vector<std::string>{"x"});
    EXPECT_TRUE(Texts(draws, "Label").empty());
    EXPECT_EQ(Extent(dc, "xy"), std::make_pair(8, 10));
}

TEST_F(DcText, EmptyTextFillsNothing) {
    dc.SetBkColor(Rgb(80, 0, 80));
    dc.TextOut(10, 10, "");
    EXPECT_TRUE(draws.empty());
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
