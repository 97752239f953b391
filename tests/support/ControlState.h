// A view's state for driving its controls without a window.
#pragma once

#include <memory>

#include "display/ViewState.h"

namespace orbtest {

// Browsing or travelling at year 1999 with step 1000, the list scrolled to
// 400, the frame flag clear and the speed at `speed`.
inline std::unique_ptr<orb::ViewState> ControlState(int browseMode, double speed) {
    auto s = std::make_unique<orb::ViewState>();
    s->time.m_browseMode = browseMode;
    s->time.m_year = 1999;
    s->time.m_yearStep = 1000;
    s->time.m_travelSeconds = 1.0e17;
    s->time.m_speed = speed;
    s->m_eventsScroll = 400;
    s->m_repaintFrame = 0;
    s->m_drawnYearStep = 7;
    return s;
}

}  // namespace orbtest
