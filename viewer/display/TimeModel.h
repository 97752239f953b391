// Turning the moment into a displayed date and scene, and moving it.
#pragma once

#include <cstdint>

#include "display/TimeState.h"

namespace platform {
class Clock;
}

namespace orb {

// Copies the local time into the real-clock fields.
void SnapshotClock(TimeState& t, const platform::Clock& clock);

// Derives the displayed date, time of day, scene and steady-light flag from
// the moment and the real clock. Moments before the travel epoch are
// normalised with floor division, so month, day, hour and minute stay in
// range there too; moments too far out for 64 bits show the bound year.
void DeriveMoment(TimeState& t);

// Moves the moment by m_yearStep years in `direction` (-1 or +1) unless the
// displayed year would leave [m_yearMin, m_yearMax]; returns whether it moved.
bool StepYears(TimeState& t, int direction);

// Sets the moment to the given internal year (0 is 1 BC), month 1..12, day
// as entered (not checked against the month), hour and minute, relative to the
// real clock of the last snapshot.
void SetMomentFromCalendar(TimeState& t, std::int64_t year, int month, int day, int hour,
                           int minute);

// Internal year (year 0 exists) from a displayed year (no year 0), and back.
std::int64_t DisplayedYear(std::int64_t internalYear);

}  // namespace orb
