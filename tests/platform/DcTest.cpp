#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "platform/Bitmap.h"
#include "platform/Dc.h"
#include "platform/Font.h"
#include "platform/Framebuffer.h"
#include "platform/MemoryDc.h"
#include "platform/qt/CreateFont.h"
#include "platform/qt/LoadBitmap.h"

namespace {

using platform::Rgb;

constexpr platform::ColorRef kGrey = Rgb(212, 208, 200);

TEST(Dc, FillIsClippedToTheFramebuffer) {
    platform::Framebuffer frame(kGrey);
    platform::Dc dc(frame);
    dc.FillSolidRect(-10, -10, 20, 20, Rgb(1, 2, 3));
    EXPECT_EQ(dc.GetPixel(0, 0), Rgb(1, 2, 3));
    EXPECT_EQ(dc.GetPixel(9, 9), Rgb(1, 2, 3));
    EXPECT_EQ(dc.GetPixel(10, 10), kGrey);
    dc.FillSolidRect(790, 590, 100, 100, Rgb(9, 9, 9));
    EXPECT_EQ(dc.GetPixel(799, 599), Rgb(9, 9, 9));
    EXPECT_EQ(dc.GetPixel(800, 0), platform::kInvalidColour);
    EXPECT_EQ(dc.GetPixel(0, -1), platform::kInvalidColour);
    dc.FillSolidRect(100, 100, 0, 5, Rgb(7, 7, 7));  // empty: nothing drawn
    EXPECT_EQ(dc.GetPixel(100, 100), kGrey);
    dc.FillSolidRect(200, 200, 1, 1, Rgb(7, 7, 7));  // a single pixel
    EXPECT_EQ(dc.GetPixel(200, 200), Rgb(7, 7, 7));
    EXPECT_EQ(dc.GetPixel(201, 200), kGrey);
    EXPECT_EQ(dc.GetPixel(200, 201), kGrey);
}

TEST(Dc, BitBltCopiesTheSelectedBitmap) {
    const platform::Bitmap badge = platform::LoadBitmap(191);
    ASSERT_FALSE(badge.IsNull());
    platform::Framebuffer frame(kGrey);
    platform::Dc dc(frame);
    platform::MemoryDc mem;
    mem.SelectBitmap(&badge);
    dc.BitBlt(600, 399, 48, 48, mem, 0, 0);  // not created yet: nothing
    EXPECT_EQ(dc.GetPixel(600, 399), kGrey);
    mem.CreateCompatible();
    dc.BitBlt(600, 399, 48, 48, mem, 0, 0);
    for (int y : {0, 20, 47}) {
        for (int x : {0, 24, 47}) {
            EXPECT_EQ(dc.GetPixel(600 + x, 399 + y), platform::FromPixel(badge.PixelAt(x, y)));
        }
    }
    EXPECT_EQ(dc.GetPixel(648, 399), kGrey);
    EXPECT_EQ(dc.GetPixel(600, 447 + 1), kGrey);
    // A part of the source: a 10 x 10 block from (30, 30).
    dc.BitBlt(0, 0, 10, 10, badge, 30, 30);
    EXPECT_EQ(dc.GetPixel(5, 5), platform::FromPixel(badge.PixelAt(35, 35)));
    EXPECT_EQ(dc.GetPixel(10, 10), kGrey);
    // Past the bitmap's edge nothing is copied.
    dc.BitBlt(200, 200, 100, 100, badge, 40, 40);
    EXPECT_EQ(dc.GetPixel(207, 207), platform::FromPixel(badge.PixelAt(47, 47)));
    EXPECT_EQ(dc.GetPixel(208, 208), kGrey);
}

TEST(Dc, TextFillsItsCellsWithTheBackgroundColour) {
    platform::Framebuffer frame(kGrey);
    platform::Dc dc(frame);
    const auto font = platform::CreateFont("Arial", -20);
    ASSERT_NE(font, nullptr);
    dc.SelectFont(font.get());
    dc.SetBkColor(Rgb(80, 0, 80));
    dc.SetTextColor(Rgb(255, 255, 0));
    int width = 0;
    int height = 0;
    dc.TextExtent("NO EVENTS FOUND", &width, &height);
    EXPECT_GT(width, 100);
    EXPECT_GE(height, 20);
    dc.TextOut(140, 95, "NO EVENTS FOUND");
    int background = 0;
    int ink = 0;
    for (int y = 95; y < 95 + height; ++y) {
        for (int x = 140; x < 140 + width; ++x) {
            const platform::ColorRef c = dc.GetPixel(x, y);
            EXPECT_NE(c, kGrey) << x << "," << y;
            background += c == Rgb(80, 0, 80) ? 1 : 0;
            ink += c == Rgb(255, 255, 0) ? 1 : 0;
        }
    }
    EXPECT_GT(background, ink);
    EXPECT_GT(ink, 50);
    EXPECT_EQ(dc.GetPixel(139, 100), kGrey);
    EXPECT_EQ(dc.GetPixel(140 + width, 100), kGrey);
    EXPECT_EQ(dc.GetPixel(150, 95 + height), kGrey);

    // Blanks overprint: the same cells become background only.
    dc.TextOut(140, 95, std::string(42, ' '));
    EXPECT_EQ(dc.GetPixel(145, 95 + height / 2), Rgb(80, 0, 80));
}

TEST(Dc, LargerFontsMakeLargerCells) {
    platform::Framebuffer frame(kGrey);
    platform::Dc dc(frame);
    const auto small = platform::CreateFont("Times New Roman", -15);
    const auto large = platform::CreateFont("Arial", -30);
    ASSERT_NE(small, nullptr);
    ASSERT_NE(large, nullptr);
    int w1 = 0, h1 = 0, w2 = 0, h2 = 0;
    dc.SelectFont(small.get());
    dc.TextExtent("1990's AD", &w1, &h1);
    EXPECT_EQ(dc.SelectFont(large.get()), small.get());
    dc.TextExtent("1990's AD", &w2, &h2);
    EXPECT_GT(w2, w1);
    EXPECT_GT(h2, h1);
}

TEST(Font, PositiveHeightsIncludeTheLeading) {
    // A positive height is the cell height: seven eighths of it is the em
    // height, and never less than a pixel.
    const struct {
        int cellHeight;
        int emHeight;
    } cases[] = {{16, -14}, {24, -21}, {1, -1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cellHeight);
        const auto cell = platform::CreateFont("Arial", c.cellHeight);
        const auto em = platform::CreateFont("Arial", c.emHeight);
        ASSERT_NE(cell, nullptr);
        ASSERT_NE(em, nullptr);
        EXPECT_EQ(cell->Height(), c.cellHeight);
        int w1 = 0, h1 = 0, w2 = 0, h2 = 0;
        cell->Extent("Mya 1999", &w1, &h1);
        em->Extent("Mya 1999", &w2, &h2);
        EXPECT_EQ(std::make_pair(w1, h1), std::make_pair(w2, h2));
    }
    EXPECT_EQ(platform::CreateFont("Arial", 0), nullptr);
    EXPECT_EQ(platform::CreateFont("", -20), nullptr);
}

TEST(Font, MeasuresEachTextAsItsOwnAgainAndAgain) {
    const auto font = platform::CreateFont("Arial", -20);
    const auto fresh = platform::CreateFont("Arial", -20);
    ASSERT_NE(font, nullptr);
    const auto width = [](const platform::Font& f, const std::string& text) {
        int w = 0, h = 0;
        f.Extent(text, &w, &h);
        return w;
    };
    // Texts of one length but different widths, measured over and over and
    // past the number of widths a font keeps.
    const int wide = width(*fresh, "WWW");
    const int narrow = width(*fresh, "iii");
    ASSERT_GT(wide, narrow);
    for (int round = 0; round < 3; ++round) {
        EXPECT_EQ(width(*font, "WWW"), wide);
        EXPECT_EQ(width(*font, "iii"), narrow);
        for (int i = 0; i < 700; ++i) {
            EXPECT_EQ(width(*font, std::to_string(i)), width(*fresh, std::to_string(i)));
        }
    }
}

TEST(Dc, IndexedPictureGoesThroughTheColourTable) {
    platform::Framebuffer frame(kGrey);
    platform::Dc dc(frame);
    std::vector<std::uint8_t> rows(std::size_t{512} * 320);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        rows[i] = static_cast<std::uint8_t>(i / 512);  // index = row
    }
    platform::ColorRef table[256];
    for (int i = 0; i < 256; ++i) {
        table[i] = Rgb(static_cast<std::uint8_t>(i), 0, static_cast<std::uint8_t>(255 - i));
    }
    dc.DrawIndexed(160, 65, 512, 320, rows.data(), table);
    EXPECT_EQ(dc.GetPixel(160, 65), table[0]);  // top row first: upright
    EXPECT_EQ(dc.GetPixel(671, 65 + 200), table[200]);
    EXPECT_EQ(dc.GetPixel(159, 65), kGrey);
    EXPECT_EQ(dc.GetPixel(160, 65 + 320), kGrey);
}

TEST(Bitmap, MissingResourceStaysEmpty) {
    const platform::Bitmap bitmap = platform::LoadBitmap(999);
    EXPECT_TRUE(bitmap.IsNull());
    EXPECT_EQ(bitmap.Width(), 0);
    platform::Framebuffer frame(kGrey);
    platform::Dc dc(frame);
    dc.BitBlt(0, 0, 10, 10, bitmap, 0, 0);
    EXPECT_EQ(dc.GetPixel(0, 0), kGrey);
}

}  // namespace
