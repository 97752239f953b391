// The lever strip's speed scale, 84 x 400: a rainbow wedge that widens with
// speed, a red STOP band over the stop rows, forward marks above and the same
// marks mirrored below for backward travel. Every mark sits on the row whose
// click gives that much time per tick (the table of display/SpeedScale.h).
#pragma once

#include <QImage>

namespace orb::art {

class SpeedScalePainter {
  public:
    static constexpr int kWidth = 84;
    static constexpr int kHeight = 400;
    static constexpr int kBandTop = 150;     // first row of the stop band
    static constexpr int kBandBottom = 250;  // last row of the stop band

    static QImage Paint();
};

}  // namespace orb::art
