// Where fonts come from. Making one is the toolkit's work, so the drawing
// code is handed a source rather than calling the toolkit itself.
#pragma once

#include <memory>
#include <string>

#include "platform/Font.h"

namespace platform {

class FontSource {
  public:
    virtual ~FontSource() = default;

    // A font of `face` with `height` in the Windows convention (negative: the
    // em height in pixels); null for an empty face or a height of 0.
    virtual std::unique_ptr<Font> CreateFont(const std::string& face, int height) const = 0;
};

}  // namespace platform
