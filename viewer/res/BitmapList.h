#pragma once

#include <array>

#include "res/BitmapIds.h"

namespace orb::res {

struct BitmapSpec {
    int id;
    int width;
    int height;
    int bitsPerPixel;  // as stored in the resource
};

// Every bitmap the viewer loads, with the size and colour depth it is made in.
const std::array<BitmapSpec, kBitmapCount>& ViewerBitmaps();

}  // namespace orb::res
