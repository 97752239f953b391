#include "platform/qt/QtBitmapSource.h"

#include "platform/qt/LoadBitmap.h"

namespace platform {

Bitmap QtBitmapSource::LoadBitmap(int id) const {
    return platform::LoadBitmap(id);
}

}  // namespace platform
