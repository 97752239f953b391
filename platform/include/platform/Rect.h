// A block of framebuffer pixels.
#pragma once

namespace platform {

struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

}  // namespace platform
