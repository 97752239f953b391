#include "scenes/ScenePainters.h"
#include "scenes/painters/EarlyUniverse.h"

namespace orb::art {

// Dark ages at their end: knots of gas where filaments meet, about to collapse.
QImage PaintScene41() {
    return PaintDarkAges({4101u, 1.0}).ToImage(1.0, 0.2);
}

}  // namespace orb::art
