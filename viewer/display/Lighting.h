// The light level of the scene picture: 256 is full daylight, 64 night.
#pragma once

#include <cstdint>

#include "display/TimeState.h"

namespace orb {

inline constexpr int kFullLight = 256;
inline constexpr int kNightLight = 64;
// Above this speed (seconds per tick) days flicker past and average out.
inline constexpr double kFlickerSpeed = 40000.0;

// Level for `s`, a second of the day already folded about noon (0..43,200), or
// negative for a moment whose time of day is unknown.
int DaylightLevel(std::int64_t s);

// Sets m_brightness and m_absSpeed for the moment just derived. Folds
// m_secondOfDay about noon (afternoon mirrors morning). With day/night
// effects off the time of day and its flicker are ignored (full daylight);
// the era's own light still applies: steady light, and the dimming of the
// white-dwarf era by year.
void ApplyLight(TimeState& t, bool dayNightEffects);

}  // namespace orb
