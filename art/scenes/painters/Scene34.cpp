#include "scenes/ScenePainters.h"
#include "scenes/painters/EarlyUniverse.h"

namespace orb::art {

// Cooling plasma, still a dense fog glowing orange in every direction.
QImage PaintScene34() {
    static const ColorStop kRamp[] = {
        {0.0, QColor(150, 52, 8)},    {0.35, QColor(214, 98, 18)},  {0.65, QColor(246, 150, 40)},
        {0.85, QColor(255, 196, 90)}, {1.0, QColor(255, 232, 170)},
    };
    return PaintPlasma({3401u, kRamp, 5, 0.0, 110.0});
}

}  // namespace orb::art
