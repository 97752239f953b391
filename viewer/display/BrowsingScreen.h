// The browsing screen: the panels, the step and zoom buttons, and the stop of
// the travel timer while time stands.
#pragma once

#include "display/ViewFwd.h"

namespace orb {

// One browsing-screen paint: the panels refilled when asked or when the step
// changed, the buttons with the zoom face for the step, timer 1 stopped, the
// era label, the future marks and the events list.
void DrawBrowsingScreen(ViewState& s, ViewHost& host, platform::Dc& dc);

}  // namespace orb
