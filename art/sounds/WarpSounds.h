// The warp: the entry swoosh and the loop that plays while it lasts.
#pragma once

#include <cstddef>
#include <vector>

namespace orb::art {

class WarpSounds {
  public:
    // A rising rumble and shimmer that repeats without a seam: the last
    // sample leads into the first as smoothly as any two neighbours.
    static std::vector<double> Loop(std::size_t samples);
    static std::vector<double> Swoosh(std::size_t samples);
};

}  // namespace orb::art
