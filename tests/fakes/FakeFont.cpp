#include "fakes/FakeFont.h"

#include <algorithm>
#include <cstdlib>

#include "platform/Framebuffer.h"

namespace orbtest {

namespace {

constexpr int kCodeBits = 7;

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
    *width = static_cast<int>(text.size()) * m_cellWidth;
    *height = m_cellHeight;
}

void FakeFont::Draw(platform::Framebuffer& target, int x, int y, std::string_view text,
                    platform::ColorRef colour) const {
    if (m_log != nullptr) {
        m_log->push_back({Face(), Height(), std::string(text), x, y, colour});
    }
    const int bits = std::min(kCodeBits, m_cellWidth - 1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto code = static_cast<unsigned char>(text[i]);
        if (code == ' ') {
            continue;
        }
        const int cell = x + static_cast<int>(i) * m_cellWidth;
        Ink(target, cell, y, colour);
        for (int bit = 0; bit < bits; ++bit) {
            if (((code >> bit) & 1u) != 0) {
                Ink(target, cell + 1 + bit, y, colour);
            }
        }
    }
}

std::string ReadFakeText(const platform::Framebuffer& frame, int x, int y, int cellWidth, int count,
                         platform::ColorRef colour) {
    const std::uint32_t ink = platform::ToPixel(colour);
    const auto inked = [&](int px) { return frame.Contains(px, y) && frame.PixelAt(px, y) == ink; };
    const int bits = std::min(kCodeBits, cellWidth - 1);
    std::string text;
    for (int i = 0; i < count; ++i) {
        const int cell = x + i * cellWidth;
        if (!inked(cell)) {
            text += ' ';
            continue;
        }
        unsigned code = 0;
        for (int bit = 0; bit < bits; ++bit) {
            code |= inked(cell + 1 + bit) ? (1u << bit) : 0u;
        }
        text += static_cast<char>(code);
    }
    return text;
}

}  // namespace orbtest
