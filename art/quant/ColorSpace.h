// Where the quantiser compares colours. Green counts most and blue least, a
// rough match to how strongly the eye notices an error in each channel; the
// median cut, its k-means refinement and the pixel mapping (nearest entry or
// error diffusion) all use one space so that they agree on what "nearest"
// means.
#pragma once

#include <array>

namespace orb::art {

struct ColorSpace {
    // Coordinates are the 0..255 channels (red, green, blue) times `scale`;
    // the distance is the sum of `weight` times the squared differences.
    std::array<double, 3> scale;
    std::array<double, 3> weight;

    // Weights 1 : 1.25 : 0.75 as square roots on the axes, so that plain
    // Euclidean distance in the scaled space is the weighted one (scenes).
    static ColorSpace ScaledAxes() {
        // Kept as float constants: the ditherer works in single precision.
        constexpr float kGreen = 1.118f;  // sqrt(1.25)
        constexpr float kBlue = 0.866f;   // sqrt(0.75)
        return {{1.0f, kGreen, kBlue}, {1.0, 1.0, 1.0}};
    }
    // Weights 3 : 4 : 2 on the squared differences of the plain channels,
    // exact in whole numbers (bitmaps).
    static ColorSpace WeightedDistance() { return {{1.0, 1.0, 1.0}, {3.0, 4.0, 2.0}}; }
};

}  // namespace orb::art
