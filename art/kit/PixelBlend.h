// Blending straight into image rows, for the painters that work pixel by
// pixel rather than through QPainter.
#pragma once

#include <QColor>
#include <QImage>

namespace orb::art {

// Moves `under` toward `over` by `amount` (clamped to 0..1), rounding each channel.
QRgb BlendRgb(QRgb under, const QColor& over, double amount);

// Row y of a 32-bit image as pixels.
inline QRgb* RgbRow(QImage& image, int y) {
    return reinterpret_cast<QRgb*>(image.scanLine(y));
}

}  // namespace orb::art
