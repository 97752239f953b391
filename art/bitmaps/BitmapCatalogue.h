// Which painter paints which bitmap, listed under the name the bitmap table
// gives the bitmap; the table has its id, size and colour depth.
#pragma once

#include <vector>

#include "bitmaps/BitmapMaker.h"

namespace orb::art {

class BitmapCatalogue {
  public:
    static std::vector<BitmapPainter> Painters();
};

}  // namespace orb::art
