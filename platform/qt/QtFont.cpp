#include "qt/QtFont.h"

#include <QPainter>
#include <QString>

#include "platform/qt/FrameImage.h"

namespace platform {

namespace {

QFont MakeFont(const std::string& face, int height) {
    QFont font(QString::fromStdString(face));
    // A negative height is the em height, which is what a pixel size means here;
    // a positive one includes the internal leading, so it comes out a little smaller.
    const int pixels = height < 0 ? -height : height * 7 / 8;
    font.setPixelSize(pixels > 0 ? pixels : 1);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    font.setStyleStrategy(QFont::PreferDefault);
    return font;
}

// The program's strings are UTF-8; a byte that begins no character reads as
// U+FFFD.
QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QtFont::QtFont(const std::string& face, int height)
    : Font(face, height), m_font(MakeFont(face, height)), m_metrics(m_font) {}

void QtFont::Extent(std::string_view text, int* width, int* height) const {
    constexpr std::size_t kMostWidths = 512;
    *height = m_metrics.height();
    std::string key(text);
    if (const auto known = m_widths.find(key); known != m_widths.end()) {
        *width = known->second;
        return;
    }
    if (m_widths.size() >= kMostWidths) {
        m_widths.clear();
    }
    *width = m_metrics.horizontalAdvance(ToQString(text));
    m_widths.emplace(std::move(key), *width);
}

void QtFont::Draw(Framebuffer& target, int x, int y, std::string_view text, ColorRef colour) const {
    int width = 0;
    int height = 0;
    Extent(text, &width, &height);
    QImage frame = FrameImage(target);
    QPainter painter(&frame);
    painter.setFont(m_font);
    painter.setPen(QColor(RedOf(colour), GreenOf(colour), BlueOf(colour)));
    painter.setClipRect(x, y, width, height);
    painter.drawText(x, y + m_metrics.ascent(), ToQString(text));
}

}  // namespace platform
