// The view's timer that drives travel.
#pragma once

namespace orb {

inline constexpr int kTravelTimerId = 1;
inline constexpr int kTravelTimerPeriodMs = 50;

}  // namespace orb
