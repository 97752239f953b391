// The viewer's bitmaps without a toolkit: each in its listed size and depth,
// every pixel telling its bitmap and place, so that a copy shifted, clipped
// or taken from the wrong bitmap shows.
#pragma once

#include <cstdint>

#include "platform/BitmapSource.h"

namespace orbtest {

class FakeBitmapSource final : public platform::BitmapSource {
  public:
    // Empty for an id the viewer does not list.
    platform::Bitmap LoadBitmap(int id) const override;

    // The pixel at (x, y) of bitmap `id`: never black, never one of the
    // screens' flat colours.
    static std::uint32_t PixelOf(int id, int x, int y);
};

}  // namespace orbtest
