#include "fakes/FakeBitmapSource.h"

#include <vector>

#include "res/BitmapList.h"

namespace orbtest {

std::uint32_t FakeBitmapSource::PixelOf(int id, int x, int y) {
    // The listed ids differ in their low byte, and none of those bytes is 0 or
    // the red of a flat colour the screens fill with.
    return 0xFF000000u | (static_cast<std::uint32_t>(id) & 0xFFu) << 16 |
           (static_cast<std::uint32_t>(y) & 0xFFu) << 8 | (static_cast<std::uint32_t>(x) & 0xFFu);
}

platform::Bitmap FakeBitmapSource::LoadBitmap(int id) const {
    for (const orb::res::BitmapSpec& spec : orb::res::ViewerBitmaps()) {
        if (spec.id != id) {
            continue;
        }
        std::vector<std::uint32_t> pixels;
        pixels.reserve(static_cast<std::size_t>(spec.width) *
                       static_cast<std::size_t>(spec.height));
        for (int y = 0; y < spec.height; ++y) {
            for (int x = 0; x < spec.width; ++x) {
                pixels.push_back(PixelOf(id, x, y));
            }
        }
        return platform::Bitmap(spec.width, spec.height, std::move(pixels), spec.bitsPerPixel, id);
    }
    return platform::Bitmap();
}

}  // namespace orbtest
