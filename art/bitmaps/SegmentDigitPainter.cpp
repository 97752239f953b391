#include "bitmaps/SegmentDigitPainter.h"

#include <QPainter>

#include "bitmaps/ConsoleStyle.h"
#include "bitmaps/Glow.h"
#include "bitmaps/SegmentGlyphs.h"
#include "kit/CanvasPainter.h"

namespace orb::art {
namespace {

QImage BlackCell(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

QImage Digit(int w, int h, const SegmentCell& cell, int digit, int glow) {
    QImage image = BlackCell(w, h);
    const std::uint16_t lit = digit < 0 ? 0 : SegmentGlyphs::DigitMask(digit);
    SegmentGlyphs::Paint(image, SegmentGlyphs::SevenSegments(cell), lit, glow);
    return image;
}

}  // namespace

QImage SegmentDigitPainter::Large(int digit) {
    const SegmentCell cell{QRectF(QPointF(10.5, 6.0), QPointF(29.5, 58.0)), 6.0, 1.0, 5.0};
    return Digit(40, 64, cell, digit, 2);
}

QImage SegmentDigitPainter::Small(int digit) {
    const SegmentCell cell{QRectF(QPointF(5.5, 3.5), QPointF(14.5, 28.5)), 3.2, 0.6, 2.5};
    return Digit(20, 32, cell, digit, 1);
}

QImage SegmentDigitPainter::Colon() {
    QImage image = BlackCell(10, 32);
    // Two dots leaning with the digits beside them.
    const QPointF upper(5.6, 11.5);
    const QPointF lower(4.4, 21.5);
    // The two dots in one colour and size.
    const auto dots = [&upper, &lower](QImage& target, const QColor& colour, double radius) {
        CanvasPainter p(target);
        p.setBrush(colour);
        p.drawEllipse(upper, radius, radius);
        p.drawEllipse(lower, radius, radius);
    };
    QImage layer = Glow::NewLayer(10, 32);
    dots(layer, console::kSegmentGlow, 2.0);
    Glow::AddBlurred(image, layer, 1, 0.55);
    dots(image, console::kSegmentLit, 1.8);
    return image;
}

}  // namespace orb::art
