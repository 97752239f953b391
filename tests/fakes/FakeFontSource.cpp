#include "fakes/FakeFontSource.h"

namespace orbtest {

std::unique_ptr<platform::Font> FakeFontSource::CreateFont(const std::string& face,
                                                           int height) const {
    // The same refusals as a real source, so that the view meets them too.
    if (face.empty() || height == 0) {
        return nullptr;
    }
    return std::make_unique<FakeFont>(face, height, m_log);
}

}  // namespace orbtest
