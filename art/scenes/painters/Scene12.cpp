#include "PaintKit.h"
#include "ScenePainters.h"

namespace orb::art {

// Placeholder until the painting lands: a plain gradient.
QImage PaintScene12() {
    QImage image = NewSceneCanvas();
    for (int y = 0; y < image.height(); ++y) {
        const QColor c = Mix(QColor(40, 60, 120), QColor(200, 180, 140), y / 319.0);
        for (int x = 0; x < image.width(); ++x) {
            image.setPixel(x, y, c.rgb());
        }
    }
    return image;
}

}  // namespace orb::art
