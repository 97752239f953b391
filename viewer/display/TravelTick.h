// One tick of travel: the moment derived and moved, the scene lit for the
// time of day, the warp tunnel and its sound at speed, and a repaint.
#pragma once

#include "display/ViewFwd.h"

namespace orb {

// The warp counter moves by this much a tick, so it is only ever 0 or 30:
// the warp starts and ends at once.
inline constexpr int kWarpCounterStep = 30;
inline constexpr int kWarpCounterFull = 30;

// What timer 1 does after the real clock has been read: derive the displayed
// moment, add the speed, set the light level, run the warp (scene 99, its
// zoom and the "abcd.wav" loop) or stop any sound, and invalidate the view.
void TravelTick(ViewState& s, ViewHost& host);

}  // namespace orb
