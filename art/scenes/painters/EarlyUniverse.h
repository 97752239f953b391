// Shared looks of the first billion years: the glowing plasma that fills
// space until it cools and clears, and the dark ages that follow, where
// hydrogen slowly gathers along a web of filaments.
#pragma once

#include <QImage>
#include <cstdint>

#include "kit/FloatCanvas.h"
#include "kit/PaintKit.h"

namespace orb::art {

struct PlasmaLook {
    std::uint32_t seed;
    const ColorStop* ramp;  // dim to bright
    int rampCount;
    double clearing;  // 0 dense glowing fog .. 1 thin veils with dark gaps
    double scale;     // size of the turbulence cells, in pixels
};
QImage PaintPlasma(const PlasmaLook& look);

struct DarkAgesLook {
    std::uint32_t seed;
    double gathering;  // 0 faint diffuse haze .. 1 dense knots about to collapse
};
// Returns the clouds as light in a float canvas so later eras can add stars.
FloatCanvas PaintDarkAges(const DarkAgesLook& look);

// The cosmic web's density at a point, 0..1, shared so stars can be placed
// where the gas is.
double WebDensity(double x, double y, std::uint32_t seed, double gathering);

}  // namespace orb::art
