// Questions a test asks of a framebuffer: does a picture stand at a place,
// is a rectangle one colour.
#pragma once

#include <gtest/gtest.h>

#include "platform/Bitmap.h"
#include "platform/Colour.h"
#include "platform/Framebuffer.h"

namespace orbtest {

// Whether every pixel of `image` stands at (x, y) of `frame`; the message
// names the first that does not.
inline ::testing::AssertionResult Shows(const platform::Framebuffer& frame,
                                        const platform::Bitmap& image, int x, int y) {
    if (image.IsNull()) {
        return ::testing::AssertionFailure() << "the image is empty";
    }
    for (int row = 0; row < image.Height(); ++row) {
        for (int col = 0; col < image.Width(); ++col) {
            if (!frame.Contains(x + col, y + row)) {
                continue;
            }
            if (frame.PixelAt(x + col, y + row) != image.PixelAt(col, row)) {
                return ::testing::AssertionFailure()
                       << "image " << image.ResourceId() << " differs at (" << x + col << ", "
                       << y + row << ")";
            }
        }
    }
    return ::testing::AssertionSuccess();
}

// Whether the rectangle (x, y, width, height), clipped to the frame, is all `colour`.
inline ::testing::AssertionResult Filled(const platform::Framebuffer& frame, int x, int y,
                                         int width, int height, platform::ColorRef colour) {
    for (int row = y; row < y + height; ++row) {
        for (int col = x; col < x + width; ++col) {
            if (frame.Contains(col, row) && frame.PixelAt(col, row) != platform::ToPixel(colour)) {
                return ::testing::AssertionFailure()
                       << "(" << col << ", " << row << ") is 0x" << std::hex
                       << platform::FromPixel(frame.PixelAt(col, row)) << ", not 0x" << colour;
            }
        }
    }
    return ::testing::AssertionSuccess();
}

}  // namespace orbtest
