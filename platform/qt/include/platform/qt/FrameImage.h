// The framebuffer seen by the toolkit: its pixels as a QImage, without a copy.
// For Qt code only; the drawing code never sees Qt types.
#pragma once

#include <QImage>

#include "platform/Framebuffer.h"

namespace platform {

// Paints on the image land in the framebuffer, which must outlive it.
QImage FrameImage(Framebuffer& frame);
// A read-only view, for showing the framebuffer.
QImage FrameImage(const Framebuffer& frame);

}  // namespace platform
