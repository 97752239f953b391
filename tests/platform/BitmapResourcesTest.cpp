#include <gtest/gtest.h>

#include "platform/Bitmap.h"
#include "platform/qt/LoadBitmap.h"
#include "res/BitmapList.h"

namespace {

TEST(BitmapResources, EveryViewerBitmapLoadsInItsSizeAndDepth) {
    for (const orb::res::BitmapSpec& spec : orb::res::ViewerBitmaps()) {
        SCOPED_TRACE(spec.id);
        const platform::Bitmap bitmap = platform::LoadBitmap(spec.id);
        ASSERT_FALSE(bitmap.IsNull());
        EXPECT_EQ(bitmap.Width(), spec.width);
        EXPECT_EQ(bitmap.Height(), spec.height);
        EXPECT_EQ(bitmap.SourceBitsPerPixel(), spec.bitsPerPixel);
    }
}

TEST(Bitmap, BottomUpFilesLandUpright) {
    // A 2 x 2, 24-bit BMP: rows are stored bottom row first, each padded to 8 bytes.
    const unsigned char bmp[] = {
        'B', 'M', 70, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,  // file header
        40, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, 0, 1, 0, 24, 0, 0, 0, 0, 0, 16, 0, 0, 0, 0, 0, 0, 0, 0, 0,
        0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 255, 0, 255, 0, 0, 0,  // bottom row: red, green
                                                                   // (blue, green, red order)
        255, 0, 0, 255, 255, 255, 0, 0,                            // top row: blue, white
    };
    const platform::Bitmap bitmap = platform::DecodeBmp(bmp, sizeof bmp, 7);
    ASSERT_FALSE(bitmap.IsNull());
    EXPECT_EQ(bitmap.ResourceId(), 7);
    EXPECT_EQ(bitmap.SourceBitsPerPixel(), 24);
    EXPECT_EQ(bitmap.PixelAt(0, 0), 0xFF0000FFu);  // blue at the top left
    EXPECT_EQ(bitmap.PixelAt(1, 0), 0xFFFFFFFFu);
    EXPECT_EQ(bitmap.PixelAt(0, 1), 0xFFFF0000u);  // red at the bottom left
    EXPECT_EQ(bitmap.PixelAt(1, 1), 0xFF00FF00u);
    EXPECT_TRUE(platform::DecodeBmp(bmp, 20, 7).IsNull());  // cut short
}

}  // namespace
