#include "platform/MemoryDc.h"

#include <utility>

namespace platform {

const Bitmap* MemoryDc::SelectBitmap(const Bitmap* bitmap) {
    return std::exchange(m_selected, bitmap);
}

}  // namespace platform
