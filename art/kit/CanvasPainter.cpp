#include "kit/CanvasPainter.h"

namespace orb::art {

CanvasPainter::CanvasPainter(QImage& image) : QPainter(&image) {
    setRenderHint(QPainter::Antialiasing, true);
    setRenderHint(QPainter::SmoothPixmapTransform, true);
    setPen(Qt::NoPen);
}

}  // namespace orb::art
