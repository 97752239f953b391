// What the view shows, in words, for screen readers and other assistive
// technology: the moment and the speed on the travel screen, the label and
// the listed events on the browsing screen.
#pragma once

#include <string>
#include <vector>

#include "display/ListedEvent.h"
#include "display/ViewFwd.h"

namespace orb {

struct TimeState;

// "8 December 2026 AD, 15:07": the day, month, year and era of the date row,
// and the time when the clock shows it. From the year 10,000 on, either way,
// the year alone: "the year 150,000,000 BC".
std::string MomentInWords(const TimeState& t, bool clockOn);

// How fast time moves at `secondsPerTick`, as time per real second:
// "stopped", "1 day per second forward", "769 million years per second
// backward".
std::string SpeedInWords(double secondsPerTick);

// "11 SEP: Terrorist attacks on New York and Washington. More events below."
// or "No events found."
std::string EventsInWords(const std::vector<ListedEvent>& events, bool moreAbove, bool moreBelow);

// The view's accessible name and value for the screen it shows: on the travel
// screen the moment and the speed, on the browsing screen the label and the
// page of events.
struct ViewWords {
    std::string name;
    std::string value;
};
ViewWords DescribeView(const ViewState& s);

}  // namespace orb
