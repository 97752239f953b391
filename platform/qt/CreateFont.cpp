#include "platform/qt/CreateFont.h"

#include "qt/QtFont.h"

namespace platform {

std::unique_ptr<Font> CreateFont(const std::string& face, int height) {
    if (face.empty() || height == 0) {
        return nullptr;
    }
    return std::make_unique<QtFont>(face, height);
}

}  // namespace platform
