#include "scenes/ScenePainters.h"
#include "scenes/painters/EarlyUniverse.h"

namespace orb::art {

// The dark ages begin: no stars, only the faintest haze of hydrogen.
QImage PaintScene38() {
    return PaintDarkAges({3801u, 0.0}).ToImage(1.0, 0.2);
}

}  // namespace orb::art
