// Bitmaps from the program's Qt resources and from BMP files, decoded by Qt:
// these need the application's GUI to exist.
#pragma once

#include <cstddef>

#include "platform/Bitmap.h"

namespace platform {

// Bitmap resource `id`, compiled into the program; empty when there is none.
Bitmap LoadBitmap(int id);

// The picture in the bytes of a BMP file, labelled `id`; empty when they do
// not hold one.
Bitmap DecodeBmp(const unsigned char* bytes, std::size_t size, int id);

}  // namespace platform
