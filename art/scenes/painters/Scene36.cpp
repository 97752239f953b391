#include "scenes/ScenePainters.h"
#include "scenes/painters/EarlyUniverse.h"

namespace orb::art {

// Red plasma thinning: glowing veils with deep maroon between them.
QImage PaintScene36() {
    static const ColorStop kRamp[] = {
        {0.0, QColor(36, 6, 4)},     {0.35, QColor(110, 20, 10)}, {0.65, QColor(180, 40, 18)},
        {0.85, QColor(222, 72, 30)}, {1.0, QColor(245, 120, 60)},
    };
    return PaintPlasma({3601u, kRamp, 5, 0.6, 85.0});
}

}  // namespace orb::art
