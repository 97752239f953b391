// Windows BMP files as the viewer's resource loader expects them: a
// BITMAPFILEHEADER, a 40-byte BITMAPINFOHEADER, an optional colour table and
// bottom-up rows padded to four bytes. Qt's own writer picks the depth itself
// and has no 4-bit form, so the bitmaps go through this one.
#pragma once

#include <QByteArray>
#include <QImage>

#include "quant/IndexedImage.h"

namespace orb::art {

class BmpWriter {
  public:
    // 24 bits per pixel, no colour table.
    static QByteArray Encode24(const QImage& image);
    // 8 bits (256-entry table) or 4 bits (16-entry table) per pixel. The table
    // always has its full size; entries past the image's palette are black.
    static QByteArray EncodeIndexed(const IndexedImage& image, int bitsPerPixel);
};

}  // namespace orb::art
