#include "scenes/ScenePainters.h"
#include "scenes/painters/EarlyUniverse.h"

namespace orb::art {

// Dark ages: the hydrogen haze begins to draw into threads.
QImage PaintScene39() {
    return PaintDarkAges({3901u, 0.33}).ToImage(1.0, 0.2);
}

}  // namespace orb::art
