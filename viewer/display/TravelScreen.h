// The travel screen: the static frame around the picture, and on every paint
// the clock, the era badge, the date row and the era picture.
#pragma once

#include "display/ViewFwd.h"

namespace orb {

// The speed scale, the three buttons and the era badge: what only a full
// repaint draws.
void DrawStaticFrame(ViewState& s, platform::Dc& dc);

// One travel-screen paint: the scene files read (and the warp zoomed), the
// clock or its blank area, the badge when the year changed sign, the date
// row, the lit picture, then the bookkeeping for the next paint.
void DrawTravelScreen(ViewState& s, ViewHost& host, platform::Dc& dc);

}  // namespace orb
