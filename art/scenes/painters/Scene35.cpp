#include "scenes/ScenePainters.h"
#include "scenes/painters/EarlyUniverse.h"

namespace orb::art {

// The plasma cooler, orange turning to red, first darker swirls in the fog.
QImage PaintScene35() {
    static const ColorStop kRamp[] = {
        {0.0, QColor(90, 22, 6)},     {0.35, QColor(176, 56, 14)},  {0.65, QColor(230, 98, 26)},
        {0.85, QColor(250, 140, 50)}, {1.0, QColor(255, 190, 110)},
    };
    return PaintPlasma({3501u, kRamp, 5, 0.3, 95.0});
}

}  // namespace orb::art
