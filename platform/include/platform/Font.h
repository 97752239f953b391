// A font chosen by face name and a negative height: the em height in pixels,
// without internal leading. The toolkit behind it measures and draws; fonts
// come from a FontSource.
#pragma once

#include <string>
#include <string_view>
#include <utility>

#include "platform/Colour.h"

namespace platform {

class Framebuffer;

class Font {
  public:
    virtual ~Font() = default;
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    const std::string& Face() const { return m_face; }
    // As it was asked for: negative means character height.
    int Height() const { return m_height; }

    // Size in pixels of the character cells of `text`.
    virtual void Extent(std::string_view text, int* width, int* height) const = 0;
    // Draws the glyphs of `text` with the top-left corner of its cells at
    // (x, y), clipped to those cells and to the framebuffer. The cells' own
    // background is left as it is.
    virtual void Draw(Framebuffer& target, int x, int y, std::string_view text,
                      ColorRef colour) const = 0;

  protected:
    Font(std::string face, int height) : m_face(std::move(face)), m_height(height) {}

  private:
    std::string m_face;
    int m_height;
};

}  // namespace platform
