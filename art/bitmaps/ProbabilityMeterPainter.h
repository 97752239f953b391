// The EVENT PROBABILITY METER, 253 x 127 on the panel purple. Its bar steps
// through the six shades of the event markers and the plain yellow, from
// Impossible to Certain. The browsing screen shows only the top 80 rows, so
// everything that carries meaning lies there.
#pragma once

#include <QColor>
#include <QImage>
#include <array>

namespace orb::art {

class ProbabilityMeterPainter {
  public:
    static constexpr int kWidth = 253;
    static constexpr int kHeight = 127;
    static constexpr int kShownRows = 80;

    // Dimmest (least probable) first.
    static const std::array<QColor, 7>& Shades();
    static QImage Paint();
};

}  // namespace orb::art
