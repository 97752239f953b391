#include "platform/Framebuffer.h"

namespace platform {

Framebuffer::Framebuffer(ColorRef background)
    : m_pixels(static_cast<std::size_t>(kWidth) * kHeight, ToPixel(background)) {}

}  // namespace platform
