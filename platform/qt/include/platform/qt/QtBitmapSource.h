// The bitmaps compiled into the program as Qt resources, for the drawing
// code. Needs the application's GUI.
#pragma once

#include "platform/BitmapSource.h"

namespace platform {

class QtBitmapSource final : public BitmapSource {
  public:
    Bitmap LoadBitmap(int id) const override;
};

}  // namespace platform
