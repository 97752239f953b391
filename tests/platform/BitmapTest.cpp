#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/Bitmap.h"

namespace {

TEST(Bitmap, HoldsExactlyWidthTimesHeightPixels) {
    const struct {
        int width;
        int height;
        std::size_t pixels;
        bool held;
    } cases[] = {
        {1, 1, 1, true},  {1, 3, 3, true},  {3, 1, 3, true},  {2, 2, 4, true},  {2, 2, 3, false},
        {2, 2, 5, false}, {0, 0, 0, false}, {0, 4, 0, false}, {4, 0, 0, false}, {-2, -2, 4, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << " x " << c.height << ", " << c.pixels);
        const platform::Bitmap bitmap(c.width, c.height,
                                      std::vector<std::uint32_t>(c.pixels, 0xFF102030u), 8, 42);
        EXPECT_EQ(bitmap.IsNull(), !c.held);
        EXPECT_EQ(bitmap.Width(), c.held ? c.width : 0);
        EXPECT_EQ(bitmap.Height(), c.held ? c.height : 0);
        EXPECT_EQ(bitmap.SourceBitsPerPixel(), c.held ? 8 : 0);
        EXPECT_EQ(bitmap.ResourceId(), c.held ? 42 : 0);
    }
}

TEST(Bitmap, PixelsAreRowsTopFirstAndResetEmpties) {
    platform::Bitmap bitmap(3, 2, {1, 2, 3, 4, 5, 6}, 24, 7);
    EXPECT_EQ(bitmap.PixelAt(0, 0), 1u);
    EXPECT_EQ(bitmap.PixelAt(2, 0), 3u);
    EXPECT_EQ(bitmap.PixelAt(0, 1), 4u);
    EXPECT_EQ(bitmap.PixelAt(2, 1), 6u);
    bitmap.Reset();
    EXPECT_TRUE(bitmap.IsNull());
    EXPECT_EQ(bitmap.Width(), 0);
    EXPECT_EQ(bitmap.ResourceId(), 0);
}

}  // namespace
