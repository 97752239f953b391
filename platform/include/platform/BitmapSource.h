// Where the program's bitmap resources come from. Decoding them is the
// toolkit's work, so the drawing code is handed a source.
#pragma once

#include "platform/Bitmap.h"

namespace platform {

class BitmapSource {
  public:
    virtual ~BitmapSource() = default;

    // Bitmap resource `id`; empty when there is none.
    virtual Bitmap LoadBitmap(int id) const = 0;
};

}  // namespace platform
