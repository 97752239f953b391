#include "kit/Sky.h"

#include <algorithm>

#include "kit/PixelBlend.h"

namespace orb::art {

void FillSky(QImage& image, const ColorStop* stops, int count, int top, int bottom) {
    const double span = std::max(1.0, double(bottom - top - 1));
    for (int y = std::max(0, top); y < std::min(image.height(), bottom); ++y) {
        const QRgb c = Ramp(stops, count, (y - top) / span).rgb();
        QRgb* row = RgbRow(image, y);
        std::fill(row, row + image.width(), c);
    }
}

void PaintClouds(QImage& image, int top, int bottom, const CloudStyle& s) {
    const double lo = 1.0 - s.cover;
    const double span = std::max(1.0, double(bottom - top));
    for (int y = std::max(0, top); y < std::min(image.height(), bottom); ++y) {
        const double v = (y - top) / span;
        const double band = s.softEdges ? SmoothStep(0.0, 0.2, v) * SmoothStep(1.0, 0.75, v) : 1.0;
        const double sy = s.scaleY * (1.0 - s.flatten * v);
        QRgb* row = RgbRow(image, y);
        for (int x = 0; x < image.width(); ++x) {
            const double n = Fbm(x / s.scaleX, y / sy, 5, s.seed);
            const double d = SmoothStep(lo, lo + 0.22, n) * band;
            if (d <= 0.0) {
                continue;
            }
            const double near = Fbm(x / s.scaleX, (y + s.lightOffset) / sy, 5, s.seed);
            const double lit = Clamp01(0.55 + (n - near) * s.lightGain);
            row[x] = BlendRgb(row[x], Mix(s.shade, s.lit, lit), d * s.alpha * (1.0 - s.thin * v));
        }
    }
}

CloudStyle RecedingClouds(CloudStyle style) {
    style.flatten = 0.55;
    style.thin = 0.4;
    style.softEdges = false;
    style.lightOffset = -5.0;
    style.lightGain = 6.0;
    return style;
}

}  // namespace orb::art
