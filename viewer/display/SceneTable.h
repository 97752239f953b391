// Which era picture belongs to a displayed year.
#pragma once

#include <cstdint>

namespace orb {

struct SceneChoice {
    int scene;         // 0..42, or 32 outside the year range
    bool steadyLight;  // the era has no day and night
};

SceneChoice SceneForYear(std::int64_t year);

// One era of the table SceneForYear reads.
struct SceneRange {
    std::int64_t from;
    std::int64_t to;  // inclusive
    int scene;
    bool steadyLight;
};

// The table itself, lowest years first, for checking its ranges.
class SceneRanges {
  public:
    const SceneRange* begin() const;
    const SceneRange* end() const;
};

}  // namespace orb
