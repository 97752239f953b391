#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "display/TravelTick.h"
#include "display/ViewState.h"
#include "fakes/FakeViewHost.h"
#include "platform/SoundFlags.h"

namespace orb {
namespace {

constexpr double kSecondsPerYearD = 31536000.0;
constexpr unsigned kLoopFlags = 0x20019;  // FILENAME | LOOP | NOSTOP | ASYNC
constexpr unsigned kStopFlags = 0x0001;   // ASYNC

class TravelTickTest : public ::testing::Test {
  protected:
    // The real clock at noon of 2 July 1999; the moment `years` from it.
    void At(double years, int hour = 12, int minute = 0, int second = 0) {
        TimeState& t = s->time;
        t.m_nowYear = 1999;
        t.m_nowMonth = 7;
        t.m_nowDay = 2;
        t.m_nowHour = static_cast<std::uint8_t>(hour);
        t.m_nowMinute = static_cast<std::uint8_t>(minute);
        t.m_nowSecond = static_cast<std::uint8_t>(second);
        t.m_travelSeconds = kPresentSeconds + years * kSecondsPerYearD;
    }

    std::vector<std::string> SoundNames() const {
        std::vector<std::string> names;
        for (const auto& sound : host.sounds) {
            names.push_back(sound.name);
        }
        return names;
    }

    std::unique_ptr<ViewState> s = std::make_unique<ViewState>();
    orbtest::FakeViewHost host;
};

TEST_F(TravelTickTest, LightFollowsTheDisplayedTimeOfDay) {
    const struct {
        int hour, minute, second, level;
    } cases[] = {{5, 29, 59, 64}, {6, 0, 0, 128},   {6, 30, 0, 192}, {6, 30, 1, 193},
                 {12, 0, 0, 256}, {17, 30, 0, 192}, {18, 0, 0, 128}, {18, 30, 1, 64},
                 {0, 0, 0, 64},   {23, 59, 59, 64}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.hour << ":" << c.minute << ":" << c.second);
        At(0.0, c.hour, c.minute, c.second);
        s->time.m_speed = 40000.0;  // fast, but not yet the flicker of fast travel
        s->m_warpAnimations = 0;
        TravelTick(*s, host);
        EXPECT_EQ(s->time.m_hour, c.hour);
        EXPECT_EQ(s->time.m_brightness, c.level);
    }
}

TEST_F(TravelTickTest, TheMomentIsShownAsItStoodBeforeTheTickMovedIt) {
    // Near the travel epoch a double holds every second. With the real clock
    // at noon, this moment reads 11:59:59 of its day.
    At(0.0);
    s->time.m_travelSeconds = 5.0 * 86400.0 - 1.0;
    s->time.m_speed = 1.0;
    s->m_warpAnimations = 0;
    TravelTick(*s, host);
    EXPECT_EQ(s->time.m_hour, 11);
    EXPECT_EQ(s->time.m_minute, 59);
    EXPECT_EQ(s->time.m_travelSeconds, 5.0 * 86400.0);
    TravelTick(*s, host);
    EXPECT_EQ(s->time.m_hour, 12);
    EXPECT_EQ(s->time.m_minute, 0);
    EXPECT_EQ(s->time.m_travelSeconds, 5.0 * 86400.0 + 1.0);
    EXPECT_EQ(host.invalidations, 2);
}

TEST_F(TravelTickTest, SteadyEraAndWhiteDwarfIgnoreHourAndSpeed) {
    for (double speed : {0.0, 1.0e6, -1.0e12}) {
        for (int hour : {2, 12}) {
            SCOPED_TRACE(testing::Message() << speed << " at " << hour);
            s->m_warpAnimations = 0;
            At(-1.0e10, hour);  // the first galaxies: no day and night
            s->time.m_speed = speed;
            TravelTick(*s, host);
            EXPECT_EQ(s->time.m_brightness, 256);

            At(6.0e9 - 1999.0, hour);  // the white dwarf, dimming with the years
            s->time.m_speed = speed;
            TravelTick(*s, host);
            EXPECT_EQ(s->time.m_scene, 30);
            EXPECT_EQ(s->time.m_brightness, 156);  // (75 / 6) squared, 156.25
        }
    }
}

TEST_F(TravelTickTest, FastTravelFlickersToHalfLightWithoutTheWarp) {
    At(0.0, 2);  // night
    s->m_warpAnimations = 0;
    s->time.m_speed = -40001.0;
    TravelTick(*s, host);
    EXPECT_EQ(s->time.m_brightness, 128);
    EXPECT_NE(s->time.m_scene, 99);
    // Every tick outside a warp stops whatever sound still plays.
    EXPECT_EQ(SoundNames(), std::vector<std::string>{"<stop>"});
    EXPECT_EQ(host.sounds[0].flags, kStopFlags);
}

TEST_F(TravelTickTest, WarpRunsWhileTheSpeedIsAWholeSecondOrMore) {
    At(0.0);
    s->time.m_speed = 0.5;  // rounds down to nothing: no warp
    TravelTick(*s, host);
    EXPECT_EQ(s->time.m_warpCounter, 0);
    EXPECT_NE(s->time.m_scene, 99);

    EXPECT_EQ(s->time.m_warpSoundIdle, 1);  // a stop leaves no warp sound started
    s->time.m_warpSoundIdle = 0;
    s->time.m_speed = 1.0;
    s->time.m_warpZoom = 1.0;
    TravelTick(*s, host);
    EXPECT_EQ(s->time.m_warpCounter, 30);
    EXPECT_EQ(s->time.m_scene, 99);
    EXPECT_EQ(s->time.m_brightness, 256);
    // 1001^-0.005: the tunnel closes in by about 3.4 % a tick.
    EXPECT_DOUBLE_EQ(s->time.m_warpZoom, std::pow(1001.0, -0.005));
    ASSERT_EQ(host.sounds.size(), 2u);
    EXPECT_EQ(host.sounds[1].name, "abcd.wav");
    EXPECT_EQ(host.sounds[1].flags, kLoopFlags);
    EXPECT_EQ(s->time.m_warpSoundIdle, 1);

    TravelTick(*s, host);  // the loop is asked for again on every warp tick
    EXPECT_EQ(SoundNames(), (std::vector<std::string>{"<stop>", "abcd.wav", "abcd.wav"}));

    s->time.m_speed = 0.0;
    s->time.m_warpSoundIdle = 0;
    TravelTick(*s, host);
    EXPECT_EQ(s->time.m_warpCounter, 0);
    EXPECT_NE(s->time.m_scene, 99);
    EXPECT_EQ(host.sounds.back().name, "<stop>");
    EXPECT_EQ(s->time.m_warpSoundIdle, 1);
    EXPECT_EQ(host.invalidations, 4);
}

TEST_F(TravelTickTest, WarpZoomIsThrownBackBeforeItPassesHalf) {
    At(0.0);
    s->time.m_speed = 1.0e15;
    const double shrink = std::pow(1.0e15 + 1000.0, -0.005);  // about 0.841
    s->time.m_warpZoom = 0.55;
    TravelTick(*s, host);
    EXPECT_DOUBLE_EQ(s->time.m_warpZoom, 0.55 * shrink * 2.0);  // 0.463 fell below half
    s->time.m_warpZoom = 0.6;
    TravelTick(*s, host);
    EXPECT_DOUBLE_EQ(s->time.m_warpZoom, 0.6 * shrink);  // 0.505 did not
    s->time.m_warpZoom = 0.9;
    TravelTick(*s, host);
    EXPECT_DOUBLE_EQ(s->time.m_warpZoom, 0.9 * shrink);
    for (int tick = 0; tick < 200; ++tick) {
        TravelTick(*s, host);
        ASSERT_GE(s->time.m_warpZoom, 0.5);
        ASSERT_LE(s->time.m_warpZoom, 1.0);
    }
}

TEST_F(TravelTickTest, SwitchingWarpAnimationsOffEndsTheWarpAtTheNextTick) {
    At(0.0);
    s->time.m_speed = 1.0e9;
    TravelTick(*s, host);
    ASSERT_EQ(s->time.m_scene, 99);
    s->m_warpAnimations = 0;
    TravelTick(*s, host);
    EXPECT_EQ(s->time.m_warpCounter, 0);
    EXPECT_NE(s->time.m_scene, 99);
    EXPECT_EQ(host.sounds.back().name, "<stop>");
    EXPECT_EQ(s->time.m_brightness, 128);  // still fast: half light
}

}  // namespace
}  // namespace orb
