#include "platform/qt/FrameImage.h"

#include <cstdint>

namespace platform {

namespace {

int BytesPerLine(const Framebuffer& frame) {
    return frame.Stride() * static_cast<int>(sizeof(std::uint32_t));
}

}  // namespace

QImage FrameImage(Framebuffer& frame) {
    return QImage(reinterpret_cast<uchar*>(frame.Data()), frame.Width(), frame.Height(),
                  BytesPerLine(frame), QImage::Format_RGB32);
}

QImage FrameImage(const Framebuffer& frame) {
    return QImage(reinterpret_cast<const uchar*>(frame.Data()), frame.Width(), frame.Height(),
                  BytesPerLine(frame), QImage::Format_RGB32);
}

}  // namespace platform
