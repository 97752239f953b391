// What a drawing context reports as changed: the smallest block holding the
// pixels each drawing changed, clipped to the framebuffer; drawing what is
// already there changes nothing.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "fakes/FakeFont.h"
#include "platform/Bitmap.h"
#include "platform/Dc.h"
#include "platform/Framebuffer.h"

namespace {

using platform::Rect;
using platform::Rgb;

::testing::AssertionResult Blocks(const std::vector<Rect>& got, const std::vector<Rect>& want) {
    bool same = got.size() == want.size();
    for (std::size_t i = 0; same && i < got.size(); ++i) {
        same = got[i].x == want[i].x && got[i].y == want[i].y && got[i].width == want[i].width &&
               got[i].height == want[i].height;
    }
    if (same) {
        return ::testing::AssertionSuccess();
    }
    auto result = ::testing::AssertionFailure() << "got";
    for (const Rect& r : got) {
        result << " {" << r.x << "," << r.y << " " << r.width << "x" << r.height << "}";
    }
    return result;
}

TEST(DcChanges, EachDrawingReportsWhatItChangedClippedToTheFramebuffer) {
    platform::Framebuffer frame(Rgb(0, 0, 0));
    platform::Dc dc(frame);
    const platform::Bitmap bitmap(3, 2, std::vector<std::uint32_t>(6, 0xFF112233u), 24, 1);
    const std::uint8_t indices[4] = {0, 1, 2, 3};
    platform::ColorRef colours[256] = {};
    colours[1] = Rgb(9, 9, 9);
    dc.FillSolidRect(-5, 590, 20, 30, Rgb(1, 2, 3));
    dc.BitBlt(798, 10, 3, 2, bitmap, 0, 0);
    dc.BitBlt(10, 10, 9, 9, bitmap, 1, 0);             // as much as the bitmap holds
    dc.DrawIndexed(100, 100, 2, 2, indices, colours);  // one pixel in a colour other than black
    dc.FillSolidRect(900, 10, 5, 5, Rgb(1, 2, 3));     // wholly outside: nothing
    EXPECT_TRUE(Blocks(dc.Changed(),
                       {{0, 590, 15, 10}, {798, 10, 2, 2}, {10, 10, 2, 2}, {101, 100, 1, 1}}));
}

TEST(DcChanges, DrawingWhatIsThereChangesNothing) {
    platform::Framebuffer frame(Rgb(9, 9, 9));
    const std::vector<std::uint32_t> pixels(16, platform::ToPixel(Rgb(9, 9, 9)));
    const platform::Bitmap same(4, 4, pixels, 24, 1);
    platform::Dc dc(frame);
    dc.FillSolidRect(0, 0, 100, 100, Rgb(9, 9, 9));
    dc.BitBlt(50, 50, 4, 4, same, 0, 0);
    EXPECT_TRUE(Blocks(dc.Changed(), {}));

    // A fill over a block that differs in two pixels changes those alone.
    frame.Data()[310 * 800 + 220] = 0xFF0000FFu;
    frame.Data()[325 * 800 + 207] = 0xFF00FF00u;
    dc.FillSolidRect(200, 300, 50, 40, Rgb(9, 9, 9));
    EXPECT_TRUE(Blocks(dc.Changed(), {{207, 310, 14, 16}}));
    // The last pixel of a row and the last row.
    frame.Data()[99 * 800 + 99] = 0xFF123456u;
    platform::Dc again(frame);
    again.FillSolidRect(0, 0, 100, 100, Rgb(9, 9, 9));
    EXPECT_TRUE(Blocks(again.Changed(), {{99, 99, 1, 1}}));
}

// Glyphs may change pixels the background fill found right: text counts
// its cells as changed.
TEST(DcChanges, TextReportsItsCells) {
    platform::Framebuffer frame(Rgb(9, 9, 9));
    orbtest::FakeFont font("Arial", -20);  // cells of 8 x 20
    platform::Dc dc(frame, &font);
    dc.SetBkColor(Rgb(9, 9, 9));
    dc.TextOut(790, 590, "AB");
    EXPECT_TRUE(Blocks(dc.Changed(), {{790, 590, 10, 10}}));
}

}  // namespace
