#include "display/SpeedScale.h"

#include <cmath>

namespace orb {

namespace {

// A hair above 10/41: the rate grows by a factor of e every 4.1 pixels.
constexpr double kLeverGrowth = 0.24390243902439027;
constexpr double kLeverBase = 0.2;

}  // namespace

double LeverSpeed(int d) {
    return kLeverBase * std::exp(d * kLeverGrowth);
}

double LeverDistance(double secondsPerTick) {
    return std::log(secondsPerTick / kLeverBase) / kLeverGrowth;
}

int MarkRow(const SpeedMark& mark) {
    return static_cast<int>(std::lround(LeverDistance(mark.secondsPerTick)));
}

}  // namespace orb
