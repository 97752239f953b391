#include "kit/Water.h"

#include <algorithm>
#include <cmath>

#include "kit/PaintKit.h"
#include "kit/PixelBlend.h"

namespace orb::art {

namespace {

// The row that row y of the water mirrors about `horizon`, moved by dy and
// kept within the picture above the horizon.
int MirrorRow(int horizon, int y, int dy) {
    return std::clamp(2 * horizon - y - 1 + dy, 0, horizon - 1);
}

}  // namespace

void ReflectWater(QImage& image, int horizon, int y0, int y1, QColor tint, double tintFar,
                  double tintNear, std::uint32_t seed, double ripple) {
    const QImage src = image.copy();
    for (int y = std::max(0, y0); y < std::min(image.height(), y1); ++y) {
        const double t = (y - y0) / std::max(1.0, double(y1 - y0));
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const double wob = Fbm(x / 70.0, y / (1.5 + 4.0 * t), 3, seed) - 0.5;
            const int sx = std::clamp(static_cast<int>(x + wob * ripple * (0.4 + t)), 0, 511);
            const int sy = MirrorRow(horizon, y, static_cast<int>(wob * ripple * t));
            QRgb c = src.pixel(sx, sy);
            c = qRgb(qRed(c) * 88 / 100, qGreen(c) * 90 / 100, qBlue(c) * 94 / 100);
            double a = tintFar + (tintNear - tintFar) * t;
            // Long bright ripples catching the sky.
            const double glint =
                SmoothStep(0.62, 0.8, Fbm(x / 45.0, y / (1.2 + 2.0 * t), 3, seed + 9));
            row[x] = BlendRgb(BlendRgb(c, tint, a), QColor(255, 255, 255), glint * 0.22);
        }
    }
}

void PaintWater(QImage& img, int top, int bottom, const WaterStyle& s) {
    bottom = std::min(bottom, img.height());
    const QImage src = img.copy();
    const double depth = std::max(1, bottom - top);
    for (int y = top; y < bottom; ++y) {
        const double t = (y - top) / depth;
        // Ripples grow and stretch as the water comes nearer.
        const double scale = 0.6 + 3.0 * t;
        QRgb* row = RgbRow(img, y);
        const QColor tint = Mix(s.farTint, s.nearTint, t);
        for (int x = 0; x < img.width(); ++x) {
            const double w = ValueNoise(x / (14.0 * scale), y / (1.2 * scale), s.seed) - 0.5;
            const int dx = static_cast<int>(std::lround(w * s.ripple * scale));
            const int dy = static_cast<int>(std::lround(w * 1.5 * scale));
            const int sy = MirrorRow(top, y, dy);
            const int sx = std::clamp(x + dx, 0, img.width() - 1);
            const QRgb mirrored = src.pixel(sx, sy);
            QRgb c = BlendRgb(tint.rgb(), mirrored, s.reflect * (1.0 - 0.45 * t));
            if (s.glint > 0.0) {
                const double g = Fbm(x / (30.0 * scale), y / (0.9 * scale), 3, s.seed + 5);
                c = BlendRgb(c, s.glintColor, Clamp01((g - 0.62) * 4.0) * s.glint);
            }
            row[x] = c;
        }
    }
}

}  // namespace orb::art
