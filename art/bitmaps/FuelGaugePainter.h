// The fuel gauge on the travel screen: a needle dial on a console key,
// marked E, 1/2 and F, with the word Fuel under the arc.
#pragma once

#include <QImage>

namespace orb::art {

class FuelGaugePainter {
  public:
    static QImage Paint();
};

}  // namespace orb::art
