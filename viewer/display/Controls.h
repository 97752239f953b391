// What a click or a hover on the view means, by where it falls: the speed
// lever, the buttons of both screens and the events list's scroll bars.
#pragma once

#include "display/ViewFwd.h"

namespace orb {

// The speed a click or hover at (x, y) sets: true with `speed` filled when it
// sets one (the lever's halves, 0 on the stop band and anywhere right of the
// strip), false when it leaves the speed as it was (above or below the strip).
bool SpeedForPointer(int x, int y, double* speed);

// A left click at (x, y) of the view's client area, every step in its order:
// speed, buttons, scroll bars, leaving or entering browsing mode, repaint.
void HandleClick(ViewState& s, ViewHost& host, int x, int y);

// A mouse move: with Hovering Mouse on, the speed follows the pointer on the
// strip; nothing else happens.
void HandleHover(ViewState& s, int x, int y);

// The Set Destination button: the Autopilot dialog seeded from the displayed
// moment, and the moment set from what it holds when it closes.
void SetDestination(ViewState& s, ViewHost& host);

}  // namespace orb
