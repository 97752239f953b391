#include "scenes/ScenePainters.h"
#include "scenes/painters/EarlyUniverse.h"

namespace orb::art {

// Dark ages: denser filaments of gas, a web taking shape in the dark.
QImage PaintScene40() {
    return PaintDarkAges({4001u, 0.66}).ToImage(1.0, 0.2);
}

}  // namespace orb::art
