// Which era picture belongs to a displayed year.
#pragma once

#include <cstdint>

namespace orb {

struct SceneChoice {
    int scene;         // 0..42, or 32 outside the year range
    bool steadyLight;  // the era has no day and night
};

SceneChoice SceneForYear(std::int64_t year);

}  // namespace orb
