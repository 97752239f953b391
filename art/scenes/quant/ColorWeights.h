// Channel weights for colour distances. Green counts most and blue least, a
// rough match to how strongly the eye notices an error in each channel; the
// quantiser, its k-means refinement and the ditherer all use the same weights
// so that they agree on what "nearest" means.
#pragma once

namespace orb::art {

struct ColorWeights {
    // Square roots of the weights, applied to coordinates so that plain
    // Euclidean distance in the scaled space is the weighted distance.
    static constexpr float kRed = 1.0f;
    static constexpr float kGreen = 1.118f;  // sqrt(1.25)
    static constexpr float kBlue = 0.866f;   // sqrt(0.75)
};

}  // namespace orb::art
