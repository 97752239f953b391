#include <gtest/gtest.h>

#include "display/Lighting.h"

namespace orb {
namespace {

std::int64_t Hms(int h, int m, int s) {
    return h * 3600 + m * 60 + s;
}

TimeState AtSecond(std::int64_t secondOfDay) {
    TimeState t;
    t.m_secondOfDay = secondOfDay;
    t.m_scene = 25;
    t.m_year = 1999;
    return t;
}

// The light level ApplyLight gives `t`.
int LevelOf(TimeState t, bool dayNightEffects) {
    ApplyLight(t, dayNightEffects);
    return t.m_brightness;
}

struct LevelCase {
    std::int64_t second;
    int level;
};

class DaylightTest : public ::testing::TestWithParam<LevelCase> {};

TEST_P(DaylightTest, FollowsTheTimeOfDay) {
    EXPECT_EQ(LevelOf(AtSecond(GetParam().second), true), GetParam().level);
}

INSTANTIATE_TEST_SUITE_P(
    Hours, DaylightTest,
    ::testing::Values(LevelCase{Hms(5, 29, 59), 64}, LevelCase{Hms(6, 0, 0), 128},
                      LevelCase{Hms(6, 30, 0), 192}, LevelCase{Hms(6, 30, 1), 193},
                      LevelCase{Hms(12, 0, 0), 256}, LevelCase{Hms(17, 30, 0), 192},
                      LevelCase{Hms(18, 0, 0), 128}, LevelCase{Hms(18, 30, 1), 64},
                      LevelCase{Hms(0, 0, 0), 64}));

TEST(Lighting, AfternoonIsFoldedAboutNoon) {
    TimeState t = AtSecond(Hms(17, 0, 0));
    ApplyLight(t, true);
    EXPECT_EQ(t.m_secondOfDay, Hms(7, 0, 0));
}

TEST(Lighting, FastTravelAveragesDayAndNight) {
    TimeState t = AtSecond(Hms(12, 0, 0));
    t.m_speed = -40001.0;
    ApplyLight(t, true);
    EXPECT_EQ(t.m_brightness, 128);
    EXPECT_EQ(t.m_absSpeed, 40001.0);
    t = AtSecond(Hms(12, 0, 0));
    t.m_speed = 40000.9;  // truncated to 40,000: not above the limit
    EXPECT_EQ(LevelOf(t, true), 256);
    t.m_speed = 0.5;
    ApplyLight(t, true);
    EXPECT_EQ(t.m_absSpeed, 0.0);
}

TEST(Lighting, SteadyLightErasIgnoreHourAndSpeed) {
    TimeState t = AtSecond(Hms(2, 0, 0));
    t.m_steadyLight = 1;
    t.m_speed = 1e12;
    EXPECT_EQ(LevelOf(t, true), 256);
}

TEST(Lighting, WhiteDwarfEraDimsWithTheYearOnly) {
    for (std::int64_t second : {Hms(0, 0, 0), Hms(12, 0, 0)}) {
        for (bool dayNight : {true, false}) {
            TimeState t = AtSecond(second);
            t.m_scene = 30;
            t.m_steadyLight = 1;
            t.m_year = 5000050001;
            EXPECT_EQ(LevelOf(t, dayNight), 224);
            t.m_year = 15000000000;
            EXPECT_EQ(LevelOf(t, dayNight), 25);
        }
    }
}

TEST(Lighting, DayNightEffectsOffMeansFullDaylight) {
    for (std::int64_t second : {Hms(0, 0, 0), Hms(5, 45, 0), Hms(23, 0, 0), std::int64_t{-5}}) {
        TimeState t = AtSecond(second);
        t.m_speed = 1e6;  // no day/night flicker either
        EXPECT_EQ(LevelOf(t, false), 256) << second;
    }
}

}  // namespace
}  // namespace orb
