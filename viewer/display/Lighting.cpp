#include "display/Lighting.h"

#include <cmath>

namespace orb {

namespace {

constexpr std::int64_t kNoon = 43200;
constexpr std::int64_t kDawnStart = 19800;  // 05:30
constexpr std::int64_t kDawnMid = 21600;    // 06:00
constexpr std::int64_t kDawnEnd = 23400;    // 06:30
constexpr double kPiPerHour = 0.0008726646259971639;
constexpr int kWhiteDwarfScene = 30;

// |speed| truncated toward zero; the lever never exceeds about 1.2e15.
double TruncatedMagnitude(double speed) {
    const double magnitude = std::trunc(std::fabs(speed));
    return std::isnan(magnitude) ? 0.0 : magnitude;
}

}  // namespace

int DaylightLevel(std::int64_t s) {
    if (s < 0) {
        return kNightLight;
    }
    if (s < kDawnStart) {
        return kNightLight;
    }
    if (s <= kDawnEnd) {
        return 128 +
               static_cast<int>(64.0 * std::sin(static_cast<double>(s - kDawnMid) * kPiPerHour));
    }
    return kFullLight - static_cast<int>((kNoon - s) / 310);
}

void ApplyLight(TimeState& t, bool dayNightEffects) {
    if (t.m_secondOfDay >= 0 && t.m_secondOfDay > kNoon) {
        t.m_secondOfDay = 2 * kNoon - t.m_secondOfDay;
    }
    t.m_brightness = dayNightEffects ? DaylightLevel(t.m_secondOfDay) : kFullLight;

    const double v = TruncatedMagnitude(t.m_speed);
    if (dayNightEffects && v > kFlickerSpeed) {
        t.m_brightness = 128;
    }
    t.m_absSpeed = v;

    if (t.m_steadyLight != 0) {
        t.m_brightness = kFullLight;
    }
    if (t.m_scene == kWhiteDwarfScene && t.m_year != 0) {
        const double ratio = 7.5e10 / static_cast<double>(t.m_year);
        t.m_brightness = static_cast<int>(ratio * ratio);
    }
}

}  // namespace orb
