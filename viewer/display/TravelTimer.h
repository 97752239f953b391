// The timer that drives travel: the view starts it, the tick answers it and a
// click that leaves browsing mode starts it again.
#pragma once

namespace orb {

inline constexpr int kTravelTimerId = 1;
inline constexpr int kTravelTimerPeriodMs = 50;

}  // namespace orb
