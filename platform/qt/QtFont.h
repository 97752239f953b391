// A font drawn by Qt; private to the platform's Qt backend.
#pragma once

#include <QFont>
#include <QFontMetrics>

#include "platform/Font.h"

namespace platform {

class QtFont final : public Font {
  public:
    QtFont(const std::string& face, int height);

    void Extent(std::string_view text, int* width, int* height) const override;
    void Draw(Framebuffer& target, int x, int y, std::string_view text,
              ColorRef colour) const override;

  private:
    QFont m_font;
    QFontMetrics m_metrics;
};

}  // namespace platform
