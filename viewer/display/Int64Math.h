#pragma once

#include <cstdint>

namespace orb {

// The one arithmetic helper the drawing code keeps in the state record.
class Int64Math {
  public:
    // Magnitude of x. Displayed years never come near the lowest int64, so
    // the one value without a positive counterpart cannot occur.
    std::int64_t Abs64(std::int64_t x) const { return x < 0 ? -x : x; }
};

}  // namespace orb
