// The moment and everything derived from it.
#pragma once

#include <cstdint>

namespace orb {

// Seconds in the 365-day years the viewer counts in.
inline constexpr std::int64_t kSecondsPerDay = 86400;
inline constexpr std::int64_t kSecondsPerYear = 31536000;
// The travel epoch lies this many seconds before the present: 10,000,000,000 years.
inline constexpr double kPresentSeconds = 315360000000000000.0;
inline constexpr std::int64_t kEpochYears = 10000000000;
inline constexpr std::int64_t kYearMin = -15000000000;
inline constexpr std::int64_t kYearMax = 15000000000;
// m_browseMode: kTravelMode while travelling, kBrowsingMode while browsing.
// Any value from kBrowsingScreenFrom up is treated as browsing.
inline constexpr int kTravelMode = 0;
inline constexpr int kBrowsingMode = 100;
inline constexpr int kBrowsingScreenFrom = 99;
// From this magnitude on, either way, the date row holds the year alone and
// the clock is dark.
inline constexpr std::int64_t kLongYear = 10000;
// m_yearStep runs through the powers of ten between these.
inline constexpr std::int64_t kFinestYearStep = 1;
inline constexpr std::int64_t kCoarsestYearStep = 1000000000;

struct TimeState {
    double m_travelSeconds = kPresentSeconds;  // the moment, from the travel epoch
    double m_speed = 0.0;                      // seconds added per travel tick
    std::int64_t m_yearStep = 1;               // a power of ten, 1..1,000,000,000

    // The real clock, as of the last snapshot.
    std::int64_t m_nowYear = 1999;
    std::uint8_t m_nowMonth = 7;
    std::uint8_t m_nowDay = 2;
    std::uint8_t m_nowHour = 12;
    std::uint8_t m_nowMinute = 0;
    std::uint8_t m_nowSecond = 0;

    // The displayed moment.
    std::int64_t m_year = 0;  // negative is BC, never 0 once derived
    int m_month = 0;
    int m_day = 0;
    int m_hour = 0;
    int m_minute = 0;

    // Intermediates of the derivation.
    std::int64_t m_elapsedDays = 0;
    std::int64_t m_secondOfDay = 0;
    std::int64_t m_elapsedYears = 0;
    std::int64_t m_dayOfYear = 0;

    int m_scene = 0;
    int m_steadyLight = 0;
    std::int64_t m_yearMin = kYearMin;
    std::int64_t m_yearMax = kYearMax;

    // Light and the warp, kept by the travel tick.
    int m_brightness = 0;
    double m_absSpeed = 0.0;
    std::int64_t m_warpCounter = 0;
    double m_warpZoom = 1.0;
    int m_warpSoundIdle = 0;
    int m_browseMode = 0;  // 0 travel, 100 browsing
};

}  // namespace orb
