#include "display/TimeModel.h"

#include <algorithm>
#include <cmath>

#include "display/Calendar.h"
#include "display/SceneTable.h"
#include "platform/Clock.h"

namespace orb {

namespace {

// The double nearest 1/86,400. The product with it is truncated, not divided:
// at the present it falls just short of a whole day, which the carry of the
// second of day then puts right.
constexpr double kPerDay = 1.1574074074074073e-05;

// Division rounding toward minus infinity. For the non-negative values of
// every moment after the epoch it equals the plain truncating division.
std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    std::int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) {
        --q;
    }
    return q;
}

// Moments are limited to this magnitude before they are converted to integers:
// it lies far beyond both year bounds and keeps every product below 2^63.
constexpr double kSafeSeconds = 4.0e18;

double SafeMoment(double seconds) {
    if (std::isnan(seconds)) {
        return kPresentSeconds;
    }
    return std::clamp(seconds, -kSafeSeconds, kSafeSeconds);
}

std::int64_t FloorToInt64(double v) {
    return static_cast<std::int64_t>(std::floor(v));
}

int ClampedMonth(int month) {
    return month < 1 ? 1 : (month > 12 ? 12 : month);
}

}  // namespace

void SnapshotClock(TimeState& t, const platform::Clock& clock) {
    const platform::LocalTime now = clock.Now();
    t.m_nowYear = now.year;
    t.m_nowMonth = static_cast<std::uint8_t>(now.month);
    t.m_nowDay = static_cast<std::uint8_t>(now.day);
    t.m_nowHour = static_cast<std::uint8_t>(now.hour);
    t.m_nowMinute = static_cast<std::uint8_t>(now.minute);
    t.m_nowSecond = static_cast<std::uint8_t>(now.second);
}

std::int64_t DisplayedYear(std::int64_t internalYear) {
    return internalYear > 0 ? internalYear : internalYear - 1;
}

void DeriveMoment(TimeState& t) {
    // The moment itself is never limited; only this reading of it is.
    const double moment = SafeMoment(t.m_travelSeconds);
    const std::int64_t seconds = FloorToInt64(moment);
    t.m_elapsedDays = FloorToInt64(moment * kPerDay);

    t.m_secondOfDay = t.m_nowHour * std::int64_t{3600} + t.m_nowMinute * std::int64_t{60} +
                      t.m_nowSecond + (seconds - t.m_elapsedDays * kSecondsPerDay);
    if (t.m_secondOfDay > kSecondsPerDay - 1) {
        t.m_secondOfDay -= kSecondsPerDay;
        t.m_elapsedDays += 1;
    }

    t.m_elapsedYears = FloorDiv(t.m_elapsedDays, 365);
    t.m_dayOfYear = kDaysBeforeMonth[ClampedMonth(t.m_nowMonth)] +
                    (t.m_elapsedDays - t.m_elapsedYears * 365) + t.m_nowDay;
    if (t.m_dayOfYear > 365) {
        t.m_dayOfYear -= 365;
        t.m_elapsedYears += 1;
    }

    const std::int64_t internalYear = t.m_elapsedYears + t.m_nowYear - kEpochYears;

    int month = 1;
    while (t.m_dayOfYear > kDaysBeforeMonth[month + 1]) {
        ++month;
    }
    t.m_month = month;
    t.m_day = static_cast<int>(t.m_dayOfYear - kDaysBeforeMonth[month]);

    t.m_year = DisplayedYear(internalYear);
    if (t.m_year > t.m_yearMax) {
        t.m_year = t.m_yearMax;
    }
    if (t.m_year < t.m_yearMin) {
        t.m_year = t.m_yearMin;
    }

    const SceneChoice choice = SceneForYear(t.m_year);
    t.m_scene = choice.scene;
    t.m_steadyLight = choice.steadyLight ? 1 : 0;

    t.m_hour = static_cast<int>(t.m_secondOfDay / 3600);
    t.m_minute = static_cast<int>((t.m_secondOfDay / 60) % 60);
}

bool StepYears(TimeState& t, int direction) {
    const std::int64_t before = t.m_year;
    t.m_year += direction * t.m_yearStep;
    const double span = static_cast<double>(t.m_yearStep * kSecondsPerYear);
    if (direction < 0) {
        if (t.m_year >= t.m_yearMin) {
            t.m_travelSeconds -= span;
            return true;
        }
    } else if (t.m_year <= t.m_yearMax) {
        t.m_travelSeconds += span;
        return true;
    }
    t.m_year = before;
    return false;
}

void SetMomentFromCalendar(TimeState& t, std::int64_t year, int month, int day, int hour,
                           int minute) {
    // Extended precision keeps every term exact; the sum is rounded once.
    using Wide = long double;
    const Wide seconds =
        static_cast<Wide>(kPresentSeconds) +
        static_cast<Wide>(year - t.m_nowYear) * static_cast<Wide>(kSecondsPerYear) +
        static_cast<Wide>(kDaysBeforeMonth[ClampedMonth(month)] -
                          kDaysBeforeMonth[ClampedMonth(t.m_nowMonth)] + day - t.m_nowDay) *
            static_cast<Wide>(kSecondsPerDay) +
        static_cast<Wide>(hour - t.m_nowHour) * 3600.0L +
        static_cast<Wide>(minute - t.m_nowMinute) * 60.0L;
    t.m_travelSeconds = static_cast<double>(seconds);
}

}  // namespace orb
