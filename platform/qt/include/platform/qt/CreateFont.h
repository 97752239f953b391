// Fonts drawn by Qt: creating one needs the application's GUI to exist, and
// the font must go before the application does.
#pragma once

#include <memory>
#include <string>

#include "platform/Font.h"

namespace platform {

// A font of `face` with `height` in the Windows convention (negative: the em
// height in pixels); null for an empty face or a height of 0.
std::unique_ptr<Font> CreateFont(const std::string& face, int height);

}  // namespace platform
