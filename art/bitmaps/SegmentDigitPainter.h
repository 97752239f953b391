// The segment-display cells of the date row and the clock: large 40 x 64
// digits and the blank cell, small 20 x 32 clock digits and the colon.
#pragma once

#include <QImage>

namespace orb::art {

class SegmentDigitPainter {
  public:
    // digit 0..9, or -1 for the blank cell (every segment unlit).
    static QImage Large(int digit);
    static QImage Small(int digit);
    static QImage Colon();
};

}  // namespace orb::art
