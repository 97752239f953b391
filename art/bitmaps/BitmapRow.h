// One row of the bitmap table (art/bitmaps/Bitmaps.table): a bitmap's id and
// name, and the size and colour depth it is stored in.
#pragma once

namespace orb::art {

struct BitmapRow {
    int id;
    const char* name;
    int width;
    int height;
    int bitsPerPixel;  // 4 or 8 with a colour table, or 24
};

}  // namespace orb::art
