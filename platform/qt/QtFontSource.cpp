#include "platform/qt/QtFontSource.h"

#include "platform/qt/CreateFont.h"

namespace platform {

std::unique_ptr<Font> QtFontSource::CreateFont(const std::string& face, int height) const {
    return platform::CreateFont(face, height);
}

}  // namespace platform
