// A font drawn by Qt; private to the platform's Qt backend.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <string>
#include <unordered_map>

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
    // Widths already measured: a browsing paint measures the same label,
    // blanks and events again and again, and measuring costs more than
    // drawing. Kept small; it starts afresh when full.
    mutable std::unordered_map<std::string, int> m_widths;
};

}  // namespace platform
