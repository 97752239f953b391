// Fonts for the drawing code without a toolkit: FakeFonts, all drawing into
// one record when one is given.
#pragma once

#include <vector>

#include "fakes/FakeFont.h"
#include "platform/FontSource.h"

namespace orbtest {

class FakeFontSource final : public platform::FontSource {
  public:
    // `log`, when given, must outlive every font made.
    explicit FakeFontSource(std::vector<TextDraw>* log = nullptr) : m_log(log) {}

    std::unique_ptr<platform::Font> CreateFont(const std::string& face, int height) const override;

  private:
    std::vector<TextDraw>* m_log;
};

}  // namespace orbtest
