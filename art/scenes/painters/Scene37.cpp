#include "scenes/ScenePainters.h"
#include "scenes/painters/EarlyUniverse.h"

namespace orb::art {

// The last of the fog: deep red wisps over growing darkness as space clears.
QImage PaintScene37() {
    static const ColorStop kRamp[] = {
        {0.0, QColor(6, 1, 2)},      {0.35, QColor(46, 6, 6)},   {0.65, QColor(110, 16, 12)},
        {0.85, QColor(160, 30, 18)}, {1.0, QColor(200, 56, 30)},
    };
    return PaintPlasma({3701u, kRamp, 5, 0.95, 75.0});
}

}  // namespace orb::art
