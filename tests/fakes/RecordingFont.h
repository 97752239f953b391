// A font that needs no toolkit: fixed cells, one ink pixel at the top left of
// each non-blank character, and a record of every text drawn with it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/Font.h"
#include "platform/Framebuffer.h"

namespace orbtest {

struct TextDraw {
    std::string face;
    std::string text;
    int x;
    int y;
    platform::ColorRef colour;
};

class RecordingFont final : public platform::Font {
  public:
    RecordingFont(const char* face, int cellWidth, int cellHeight, std::vector<TextDraw>* log)
        : Font(face, -cellHeight), m_cellWidth(cellWidth), m_cellHeight(cellHeight), m_log(log) {}

    void Extent(std::string_view text, int* width, int* height) const override {
        *width = static_cast<int>(text.size()) * m_cellWidth;
        *height = m_cellHeight;
    }

    void Draw(platform::Framebuffer& target, int x, int y, std::string_view text,
              platform::ColorRef colour) const override {
        m_log->push_back({Face(), std::string(text), x, y, colour});
        for (std::size_t i = 0; i < text.size(); ++i) {
            const int cx = x + static_cast<int>(i) * m_cellWidth;
            if (text[i] != ' ' && target.Contains(cx, y)) {
                target.Data()[y * target.Stride() + cx] = platform::ToPixel(colour);
            }
        }
    }

  private:
    int m_cellWidth;
    int m_cellHeight;
    std::vector<TextDraw>* m_log;
};

}  // namespace orbtest
