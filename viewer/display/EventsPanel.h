// The events list of the browsing screen: the events of the current step,
// date in the left column and text beside it, by pages of six, with the two
// scroll bars at the right edge.
#pragma once

#include "display/ViewFwd.h"

namespace orb {

// Erases the list the previous paint drew, scans the whole databank, draws
// the matching events from m_eventsScroll on (or "NO EVENTS FOUND"), and
// lights the scroll bars; keeps m_moreAbove, m_moreBelow and m_eventLines.
void DrawEventsList(ViewState& s, platform::Dc& dc);

}  // namespace orb
