#include "platform/Font.h"

#include <cstdlib>

#include "FontImpl.h"

namespace platform {

Font::Font() = default;
Font::~Font() = default;
Font::Font(Font&&) noexcept = default;
Font& Font::operator=(Font&&) noexcept = default;

bool Font::Create(const std::string& face, int height) {
    Reset();
    if (face.empty() || height == 0) {
        return false;
    }
    QFont font(QString::fromStdString(face));
    // A negative height is the em height, which is what a pixel size means here;
    // a positive one includes the internal leading, so it comes out a little smaller.
    const int pixels = height < 0 ? -height : height * 7 / 8;
    font.setPixelSize(pixels > 0 ? pixels : 1);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    font.setStyleStrategy(QFont::PreferDefault);
    m_impl = std::make_unique<Impl>(font);
    m_face = face;
    m_height = height;
    return true;
}

void Font::Reset() {
    m_impl.reset();
    m_face.clear();
    m_height = 0;
}

}  // namespace platform
