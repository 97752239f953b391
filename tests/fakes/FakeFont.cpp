#include "fakes/FakeFont.h"

#include <algorithm>
#include <cstdlib>

#include "platform/Framebuffer.h"
#include "platform/Utf8.h"

namespace orbtest {

namespace {

constexpr int kCodeBits = 7;
constexpr int kMostRows = 21;  // enough for any code point at one bit a row

void Ink(platform::Framebuffer& target, int x, int y, platform::ColorRef colour) {
    if (target.Contains(x, y)) {
        target.Data()[static_cast<std::size_t>(y) * static_cast<std::size_t>(target.Stride()) +
                      static_cast<std::size_t>(x)] = platform::ToPixel(colour);
    }
}

}  // namespace

FakeFont::FakeFont(const std::string& face, int height, std::vector<TextDraw>* log)
    : Font(face, height),
      m_cellWidth(std::max(1, std::abs(height) * 2 / 5)),
      m_cellHeight(std::abs(height)),
      m_log(log) {}

void FakeFont::Extent(std::string_view text, int* width, int* height) const {
    *width = static_cast<int>(platform::Utf8Length(text)) * m_cellWidth;
    *height = m_cellHeight;
}

void FakeFont::Draw(platform::Framebuffer& target, int x, int y, std::string_view text,
                    platform::ColorRef colour) const {
    if (m_log != nullptr) {
        m_log->push_back({Face(), Height(), std::string(text), x, y, colour});
    }
    const int bits = std::min(kCodeBits, m_cellWidth - 1);
    int cell = x;
    for (std::size_t at = 0; at < text.size(); cell += m_cellWidth) {
        const platform::Utf8Char c = platform::NextUtf8(text, at);
        at += c.length;
        if (c.code == ' ') {
            continue;
        }
        char32_t rest = c.code;
        for (int row = 0; row < m_cellHeight && (row == 0 || rest != 0); ++row) {
            Ink(target, cell, y + row, colour);
            for (int bit = 0; bit < bits; ++bit) {
                if (((rest >> bit) & 1u) != 0) {
                    Ink(target, cell + 1 + bit, y + row, colour);
                }
            }
            rest >>= bits;
        }
    }
}

std::string ReadFakeText(const platform::Framebuffer& frame, int x, int y, int cellWidth, int count,
                         platform::ColorRef colour) {
    const std::uint32_t ink = platform::ToPixel(colour);
    const auto inked = [&](int px, int py) {
        return frame.Contains(px, py) && frame.PixelAt(px, py) == ink;
    };
    const int bits = std::min(kCodeBits, cellWidth - 1);
    std::string text;
    for (int i = 0; i < count; ++i) {
        const int cell = x + i * cellWidth;
        if (!inked(cell, y)) {
            text += ' ';
            continue;
        }
        char32_t code = 0;
        for (int row = 0; row < kMostRows && (row == 0 || inked(cell, y + row)); ++row) {
            for (int bit = 0; bit < bits; ++bit) {
                if (inked(cell + 1 + bit, y + row)) {
                    code |= char32_t{1} << (row * bits + bit);
                }
            }
        }
        platform::AppendUtf8(code, &text);
    }
    return text;
}

}  // namespace orbtest
