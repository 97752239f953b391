// Water that mirrors what is painted above it. Two looks: ReflectWater, a
// calm darkened mirror with long bright ripples (the history of life), and
// PaintWater, a mirror tinted toward the water's colours and broken by
// ripples that grow toward the viewer (human history and after).
#pragma once

#include <QColor>
#include <QImage>
#include <cstdint>

namespace orb::art {

// Water in rows [y0, y1) mirroring what is painted above `horizon`.
void ReflectWater(QImage& image, int horizon, int y0, int y1, QColor tint, double tintFar,
                  double tintNear, std::uint32_t seed, double ripple);

// Water from row top to bottom that mirrors what is already painted above it,
// broken by soft ripples and tinted toward the water colours.
struct WaterStyle {
    QColor farTint;
    QColor nearTint;
    double reflect = 0.6;  // how much of the mirrored picture shows
    double ripple = 2.0;   // sideways ripple displacement in pixels
    double glint = 0.0;    // strength of bright streaks
    QColor glintColor = QColor(255, 250, 230);
    std::uint32_t seed = 1;
};
void PaintWater(QImage& img, int top, int bottom, const WaterStyle& style);

}  // namespace orb::art
