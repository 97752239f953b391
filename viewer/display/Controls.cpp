#include "display/Controls.h"

#include <cmath>
#include <cstdint>
#include <string>

#include "display/AutopilotFields.h"
#include "display/AutopilotRules.h"
#include "display/Calendar.h"
#include "display/ControlLayout.h"
#include "display/SpeedScale.h"
#include "display/TimeModel.h"
#include "display/TravelTimer.h"
#include "display/ViewHost.h"
#include "display/ViewState.h"
#include "platform/SoundFlags.h"

namespace orb {

namespace {

constexpr int kScrollPixels = 300;

constexpr double kYearsPerMillion = 1000000.0;

void Beep(ViewHost& host) {
    host.PlaySound("beep.wav", platform::SND_ASYNC);
}

void Zoom(TimeState& t, int x) {
    if (x < kZoomDivide && t.m_yearStep >= 2) {
        t.m_yearStep /= 10;  // a tenth, truncated: the steps are powers of ten
    } else if (x > kZoomDivide && t.m_yearStep < kCoarsestYearStep) {
        t.m_yearStep *= 10;
    }
}

const char* MonthText(int month) {
    return month >= 0 && month <= 12 ? kMonthNames[month] : kMonthNames[0];
}

// The dialog's fields are held to what it lets through before they are used:
// a host that returns anything else cannot push the conversions out of range.
int Held(unsigned value, CountRange range) {
    return static_cast<int>(HeldTo(value, range));
}

// The internal year (0 is 1 BC) of a year magnitude and its era. Fractions
// are cut toward zero; an era the list does not hold reads as its first, AD.
std::int64_t InternalYear(const std::string& era, double year) {
    const double magnitude = HeldTo(year, kYearRange);
    if (era == "BC") {
        return 1 - static_cast<std::int64_t>(magnitude);
    }
    if (era == "Mya") {
        return 1 - static_cast<std::int64_t>(magnitude * kYearsPerMillion);
    }
    return static_cast<std::int64_t>(magnitude);
}

}  // namespace

bool SpeedForPointer(int x, int y, double* speed) {
    if (x >= kStripEnd || (y >= kStopTop && y <= kStopBottom)) {
        *speed = 0.0;
        return true;
    }
    if (y > kStripTop && y < kStopTop) {
        *speed = LeverSpeed(kStopTop - y);
        return true;
    }
    if (y > kStopBottom && y < kStripBottom) {
        *speed = -LeverSpeed(y - kStopBottom);
        return true;
    }
    return false;
}

void HandleClick(ViewState& s, ViewHost& host, int x, int y) {
    TimeState& t = s.time;
    const bool browsing = t.m_browseMode >= kBrowsingScreenFrom;
    bool stay = false;

    s.m_drawnYearStep = t.m_yearStep;
    double speed = 0.0;
    if (SpeedForPointer(x, y, &speed)) {
        t.m_speed = speed;
    }

    if (Contains(kLeftButton, x, y)) {
        if (browsing) {  // back arrow
            Beep(host);
            StepYears(t, -1);
            s.m_eventsScroll = kListTop;
            stay = true;
        } else {
            SetDestination(s, host);
        }
    }
    if (browsing && Contains(kLowerScrollBar, x, y)) {
        if (s.m_moreBelow) {
            s.m_eventsScroll -= kScrollPixels;
        }
        stay = true;
        Beep(host);
    }
    if (browsing && Contains(kUpperScrollBar, x, y)) {
        if (s.m_moreAbove) {
            s.m_eventsScroll += kScrollPixels;
        }
        stay = true;
        Beep(host);
    }
    // Forward arrow while browsing; in travel mode the Timeline button, which
    // enters browsing mode with the moment where it is.
    if (Contains(kMiddleButton, x, y)) {
        Beep(host);
        if (browsing) {
            StepYears(t, +1);
        }
        s.m_eventsScroll = kListTop;
        stay = true;
    }
    // Zoom while browsing; in travel mode the fuel gauge, an ornament.
    if (browsing && Contains(kRightButton, x, y)) {
        Zoom(t, x);
        s.m_eventsScroll = kListTop;
        stay = true;
        Beep(host);
    }

    // The paint that entered browsing mode stopped the timer.
    if (browsing && !stay) {
        s.m_repaintFrame = 1;
        host.SetTimer(kTravelTimerId, kTravelTimerPeriodMs);
    }
    t.m_browseMode = stay ? kBrowsingMode : kTravelMode;
    host.Invalidate();
}

void HandleHover(ViewState& s, int x, int y) {
    double speed = 0.0;
    if (s.m_hoverMouse && SpeedForPointer(x, y, &speed)) {
        s.time.m_speed = speed;
    }
}

void SetDestination(ViewState& s, ViewHost& host) {
    TimeState& t = s.time;
    AutopilotFields fields;
    fields.m_nDay = static_cast<unsigned>(t.m_day);
    fields.m_strMonth = MonthText(t.m_month);
    fields.m_nHour = static_cast<unsigned>(t.m_hour);
    fields.m_nMinute = static_cast<unsigned>(t.m_minute);
    fields.m_strEra = t.m_year <= 0 ? "BC" : "AD";
    fields.m_dYear = std::fabs(static_cast<double>(t.m_year));

    // Whichever button closes it, the fields are used: Cancel leaves the
    // seeded ones, which set the displayed moment again.
    host.RunAutopilot(fields);

    SetMomentFromCalendar(t, InternalYear(fields.m_strEra, fields.m_dYear),
                          MonthFromName(fields.m_strMonth), Held(fields.m_nDay, kDayRange),
                          Held(fields.m_nHour, kHourRange), Held(fields.m_nMinute, kMinuteRange));
}

}  // namespace orb
