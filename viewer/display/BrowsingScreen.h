// The browsing screen: the panels, the step and zoom buttons, and the stop of
// the travel timer while time stands.
#pragma once

#include "display/ViewFwd.h"

namespace orb {

// One browsing-screen paint: the panels refilled when asked or when the step
// changed, the buttons with the zoom face for the step, the era label's
// colours and font, and timer 1 stopped.
void DrawBrowsingScreen(ViewState& s, ViewHost& host, platform::Dc& dc);

}  // namespace orb
