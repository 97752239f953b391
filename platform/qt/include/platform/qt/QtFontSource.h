// Fonts drawn by Qt, for the drawing code. Needs the application's GUI, and
// its fonts must go before the application does.
#pragma once

#include "platform/FontSource.h"

namespace platform {

class QtFontSource final : public FontSource {
  public:
    std::unique_ptr<Font> CreateFont(const std::string& face, int height) const override;
};

}  // namespace platform
