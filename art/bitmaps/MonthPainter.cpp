#include "bitmaps/MonthPainter.h"

#include "bitmaps/SegmentGlyphs.h"

namespace orb::art {

const char* MonthPainter::Name(int month) {
    static const char* const names[12] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                          "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
    return names[(month - 1) % 12];
}

QImage MonthPainter::Month(int month) {
    QImage image(120, 64, QImage::Format_RGB32);
    image.fill(Qt::black);
    const char* name = Name(month);
    for (int i = 0; i < 3; ++i) {
        const double x = 40.0 * i;
        // Wider than a digit cell so the diagonals have room; same height,
        // stroke and lean so the row reads as one display.
        const SegmentCell cell{QRectF(QPointF(x + 8.0, 6.0), QPointF(x + 32.0, 58.0)), 5.2, 0.8,
                               5.0};
        SegmentGlyphs::Paint(image, SegmentGlyphs::FourteenSegments(cell),
                             SegmentGlyphs::LetterMask(name[i]), 2);
    }
    return image;
}

}  // namespace orb::art
