// The 48 x 48 era badge beside the date row: a steel-rimmed lamp reading AD
// (blue) or BC (red). Painted in full colour, stored with 16 colours.
#pragma once

#include <QImage>

namespace orb::art {

class EraBadgePainter {
  public:
    static QImage Paint(bool anno);  // true: AD, false: BC
};

}  // namespace orb::art
