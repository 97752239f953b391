// Reduces a full-colour painting to a small palette for 8-bit and 4-bit
// bitmaps. Colours that cover large flat areas keep their exact value, the
// rest is split by median cut and refined by a few k-means passes; pixels map
// to their nearest entry without dithering, so edges stay crisp.
#pragma once

#include <QImage>

#include "BmpWriter.h"

namespace orb::art {

class PaletteReducer {
  public:
    static IndexedImage Reduce(const QImage& image, int maxColours);
};

}  // namespace orb::art
