#include "EarlyUniverse.h"
#include "scenes/ScenePainters.h"

namespace orb::art {

// The dark ages begin: no stars, only the faintest haze of hydrogen.
QImage PaintScene38() {
    return PaintDarkAges({3801u, 0.0}).ToImage(1.0, 0.2);
}

}  // namespace orb::art
