// The console's short effects: the key click, the chime and the power-down.
#pragma once

#include <cstddef>
#include <vector>

namespace orb::art {

class ConsoleSounds {
  public:
    // Each fills exactly the given number of samples.
    static std::vector<double> Beep(std::size_t samples);
    static std::vector<double> Chime(std::size_t samples);
    static std::vector<double> PowerDown(std::size_t samples);
};

}  // namespace orb::art
