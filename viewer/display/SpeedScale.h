// The speed lever's law and its printed scale. The lever gives
// 0.2 x e^(d x 10/41) seconds per tick at d pixels (1..149) from the stop band;
// the scale marks the rows of round speeds. The painter of the scale and the
// keys that move the lever from mark to mark read the same table.
#pragma once

#include <array>

namespace orb {

// Rows of the lever on either side of the stop band.
inline constexpr int kLeverTravel = 149;

// Seconds per tick at `d` pixels from the stop band.
double LeverSpeed(int d);

// How far from the band, in pixels (not rounded), the lever gives
// `secondsPerTick` (above 0).
double LeverDistance(double secondsPerTick);

struct SpeedMark {
    double secondsPerTick;
    const char* label;  // null for an unlabelled minor mark
};

inline constexpr double kMinuteSeconds = 60.0;
inline constexpr double kHourSeconds = 3600.0;
inline constexpr double kDaySeconds = 86400.0;
inline constexpr double kYearSeconds = 365.0 * kDaySeconds;

// The scale's marks from the band outwards, the same on both halves.
inline constexpr std::array<SpeedMark, 10> kSpeedMarks = {{
    {kMinuteSeconds, "1 MIN"},
    {kHourSeconds, "1 HOUR"},
    {kDaySeconds, "1 DAY"},
    {kYearSeconds, "1 YEAR"},
    {10 * kYearSeconds, nullptr},
    {100 * kYearSeconds, "100 YRS"},
    {1000 * kYearSeconds, nullptr},
    {10000 * kYearSeconds, "10,000 YRS"},
    {100000 * kYearSeconds, nullptr},
    {1000000 * kYearSeconds, "1,000,000 YRS"},
}};

// The row of a mark: its distance from the band, rounded to whole pixels.
int MarkRow(const SpeedMark& mark);

}  // namespace orb
