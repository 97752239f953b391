// Skies: a vertical colour ramp and soft fractal cloud layers, painted
// straight into the image rows.
#pragma once

#include <QColor>
#include <QImage>
#include <cstdint>

#include "kit/PaintKit.h"

namespace orb::art {

// Fills rows [top, bottom) with the ramp through the stops, first stop at
// `top`, last at `bottom - 1`.
void FillSky(QImage& image, const ColorStop* stops, int count, int top, int bottom);

// A cloud layer made of fractal noise. The defaults give a flat band that
// fades in and out at its edges; RecedingClouds() gives one that flattens and
// thins toward its lower edge, as clouds do toward the horizon.
struct CloudStyle {
    QColor lit;
    QColor shade;
    double cover = 0.4;    // 0..1, share of the band that is cloud
    double scaleX = 90.0;  // pixels per noise cell across
    double scaleY = 30.0;  // pixels per noise cell down
    double alpha = 0.9;    // densest opacity
    std::uint32_t seed = 1;
    double flatten = 0.0;  // share by which cells shrink in height toward the lower edge
    double thin = 0.0;     // share by which opacity drops toward the lower edge
    bool softEdges = true;
    // Shading compares the density here with the density this many rows
    // away: where it is denser here, the cloud is lit.
    double lightOffset = 5.0;
    double lightGain = 7.0;
};
void PaintClouds(QImage& image, int top, int bottom, const CloudStyle& style);

// The same style, set to recede: flattening and thinning toward the lower
// edge, lit on the tops, no edge fade.
CloudStyle RecedingClouds(CloudStyle style);

}  // namespace orb::art
