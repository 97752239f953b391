// The keys of the main window, on both screens, without an event loop: each
// does what its click does, and Home returns to the present.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

#include "display/Keys.h"
#include "display/TravelTimer.h"
#include "display/ViewState.h"
#include "fakes/FakeViewHost.h"
#include "support/ControlState.h"

namespace orb {
namespace {

using orbtest::FakeViewHost;

// The lever's speeds at its rows, 0.2 x e^(d x 10/41) worked out by hand, and
// the rows of the scale's labelled marks: 1 MIN at 23, 1 HOUR at 40, 1 DAY at
// 53, 1 YEAR at 77, 100 YRS at 96, 10,000 YRS at 115, 1,000,000 YRS at 134.
constexpr double kRow1 = 0.25524396303307506;
constexpr double kMinuteRow = 54.615525116539644;   // 23
constexpr double kHourRow = 3451.8294627720506;     // 40
constexpr double kRow50 = 39564.36185105836;        // between two marks
constexpr double kDayRow = 82239.52919129486;       // 53
constexpr double kYearRow = 28661057.91972764;      // 77
constexpr double kRow78 = 36577810.040758856;       // 78
constexpr double kMillionRow = 31264016415019.594;  // 134
constexpr double kTopRow = 1213184969099635.2;      // 149, the strip's end
constexpr double kUnset = 123.0;                    // a speed no key gives

// More events above and below the page, so that both bars turn it.
std::unique_ptr<ViewState> State(int browseMode, double speed) {
    auto s = orbtest::ControlState(browseMode, speed);
    s->m_moreAbove = 1;
    s->m_moreBelow = 1;
    return s;
}

void ExpectSpeed(double actual, double expected) {
    EXPECT_NEAR(actual, expected, std::fabs(expected) * 1e-9);
}

struct LeverCase {
    double from;
    ViewKey key;
    double to;
};

// On the travel screen the arrows move the lever from mark to mark of the
// printed scale, through STOP into the other half; with Shift by one row.
TEST(TravelKeys, MoveTheLeverAsAClickOnItsRowWould) {
    const LeverCase cases[] = {
        {0.0, ViewKey::kUp, kMinuteRow},
        {0.0, ViewKey::kDown, -kMinuteRow},
        {kMinuteRow, ViewKey::kUp, kHourRow},
        {kHourRow, ViewKey::kDown, kMinuteRow},
        {kMinuteRow, ViewKey::kDown, 0.0},
        {-kMinuteRow, ViewKey::kUp, 0.0},
        {-kMinuteRow, ViewKey::kDown, -kHourRow},
        {kRow50, ViewKey::kUp, kDayRow},  // from between two marks, as hovering leaves it
        {kRow50, ViewKey::kDown, kHourRow},
        {kTopRow, ViewKey::kDown, kMillionRow},
        {0.0, ViewKey::kShiftUp, kRow1},
        {kRow1, ViewKey::kShiftDown, 0.0},
        {0.0, ViewKey::kShiftDown, -kRow1},
        {kYearRow, ViewKey::kShiftUp, kRow78},
        {-kRow78, ViewKey::kShiftUp, -kYearRow},
        {kYearRow, ViewKey::kSpace, 0.0},
        {-kTopRow, ViewKey::kSpace, 0.0},
    };
    for (const LeverCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.from << " key " << static_cast<int>(c.key));
        auto s = State(kTravelMode, c.from);
        FakeViewHost host;
        EXPECT_TRUE(HandleKey(*s, host, c.key));
        ExpectSpeed(s->time.m_speed, c.to);
        EXPECT_EQ(s->time.m_browseMode, kTravelMode);
        EXPECT_TRUE(host.sounds.empty());  // the lever makes no sound
        EXPECT_EQ(host.invalidations, 1);
    }
}

// Past the last mark, or the strip's end, the lever goes no further.
TEST(TravelKeys, TheLeverStopsAtTheEnds) {
    const LeverCase cases[] = {
        {kMillionRow, ViewKey::kUp, kMillionRow},  {-kMillionRow, ViewKey::kDown, -kMillionRow},
        {kTopRow, ViewKey::kUp, kTopRow},          {kTopRow, ViewKey::kShiftUp, kTopRow},
        {-kTopRow, ViewKey::kShiftDown, -kTopRow},
    };
    for (const LeverCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.from << " key " << static_cast<int>(c.key));
        auto s = State(kTravelMode, c.from);
        FakeViewHost host;
        EXPECT_FALSE(HandleKey(*s, host, c.key));
        EXPECT_EQ(s->time.m_speed, c.to);
        EXPECT_EQ(host.invalidations, 0);
    }
}

TEST(TravelKeys, TEntersBrowsingAndSSetsADestination) {
    auto s = State(kTravelMode, kUnset);
    FakeViewHost host;
    EXPECT_TRUE(HandleKey(*s, host, ViewKey::kT));
    EXPECT_EQ(s->time.m_browseMode, kBrowsingMode);
    ASSERT_EQ(host.sounds.size(), 1u);
    EXPECT_EQ(host.sounds[0].name, "beep.wav");
    EXPECT_EQ(s->time.m_speed, 0.0);  // as the click on TIMELINE, right of the strip

    auto t = State(kTravelMode, kUnset);
    t->time.m_month = 7;
    t->time.m_day = 20;
    FakeViewHost answered;
    answered.autopilotAnswer.m_nDay = 4;
    answered.autopilotAnswer.m_strMonth = "JUL";
    answered.autopilotAnswer.m_strEra = "AD";
    answered.autopilotAnswer.m_dYear = 1776;
    EXPECT_TRUE(HandleKey(*t, answered, ViewKey::kS));
    EXPECT_EQ(answered.autopilotShown.m_dYear, 1999.0);  // seeded from the moment shown
    EXPECT_EQ(answered.autopilotShown.m_nDay, 20u);
    EXPECT_NE(t->time.m_travelSeconds, 1.0e17);  // landed where the dialog said
    EXPECT_EQ(t->time.m_browseMode, kTravelMode);
}

// Keys of the other screen mean nothing here: nothing changes, nothing is drawn.
TEST(TravelKeys, BrowsingKeysDoNothing) {
    for (ViewKey key : {ViewKey::kLeft, ViewKey::kRight, ViewKey::kPlus, ViewKey::kMinus,
                        ViewKey::kPageUp, ViewKey::kPageDown, ViewKey::kEscape}) {
        SCOPED_TRACE(static_cast<int>(key));
        auto s = State(kTravelMode, kUnset);
        FakeViewHost host;
        EXPECT_FALSE(HandleKey(*s, host, key));
        EXPECT_EQ(s->time.m_speed, kUnset);
        EXPECT_EQ(s->time.m_year, 1999);
        EXPECT_EQ(s->time.m_yearStep, 1000);
        EXPECT_EQ(host.invalidations, 0);
        EXPECT_TRUE(host.sounds.empty());
    }
}

struct BrowsingCase {
    ViewKey key;
    std::int64_t year, step;
    int scroll;
};

// On the browsing screen the keys are the buttons and the scroll bars: each
// beeps, stays on the screen and draws it again.
TEST(BrowsingKeys, StepZoomAndPageAsTheirButtons) {
    const BrowsingCase cases[] = {
        {ViewKey::kLeft, 999, 1000, 20},   {ViewKey::kRight, 2999, 1000, 20},
        {ViewKey::kPlus, 1999, 100, 20},   {ViewKey::kMinus, 1999, 10000, 20},
        {ViewKey::kUp, 1999, 1000, 700},   {ViewKey::kPageUp, 1999, 1000, 700},
        {ViewKey::kDown, 1999, 1000, 100}, {ViewKey::kPageDown, 1999, 1000, 100},
    };
    for (const BrowsingCase& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.key));
        auto s = State(kBrowsingMode, kUnset);
        FakeViewHost host;
        EXPECT_TRUE(HandleKey(*s, host, c.key));
        EXPECT_EQ(s->time.m_year, c.year);
        EXPECT_EQ(s->time.m_yearStep, c.step);
        EXPECT_EQ(s->m_eventsScroll, c.scroll);
        EXPECT_EQ(s->time.m_browseMode, kBrowsingMode);
        ASSERT_EQ(host.sounds.size(), 1u);
        EXPECT_EQ(host.sounds[0].name, "beep.wav");
        EXPECT_EQ(host.timers.count(kTravelTimerId), 0u);
        EXPECT_EQ(host.invalidations, 1);
    }
}

// Any mode from kBrowsingScreenFrom up is the browsing screen, for keys as
// for clicks.
TEST(BrowsingKeys, ActFromTheFirstBrowsingMode) {
    auto s = State(kBrowsingScreenFrom, kUnset);
    FakeViewHost host;
    EXPECT_TRUE(HandleKey(*s, host, ViewKey::kLeft));
    EXPECT_EQ(s->time.m_year, 999);
    EXPECT_EQ(s->time.m_browseMode, kBrowsingMode);
}

TEST(BrowsingKeys, EscapeAndTReturnToTravelAsAClickElsewhere) {
    for (ViewKey key : {ViewKey::kEscape, ViewKey::kT}) {
        SCOPED_TRACE(static_cast<int>(key));
        auto s = State(kBrowsingMode, kUnset);
        FakeViewHost host;
        EXPECT_TRUE(HandleKey(*s, host, key));
        EXPECT_EQ(s->time.m_browseMode, kTravelMode);
        EXPECT_EQ(s->m_repaintFrame, 1);
        EXPECT_EQ(host.timers.at(kTravelTimerId), kTravelTimerPeriodMs);
        EXPECT_EQ(s->time.m_speed, 0.0);
        EXPECT_EQ(s->time.m_year, 1999);
        EXPECT_TRUE(host.sounds.empty());
    }
}

TEST(BrowsingKeys, TravelKeysDoNothing) {
    for (ViewKey key : {ViewKey::kShiftUp, ViewKey::kShiftDown, ViewKey::kSpace, ViewKey::kS}) {
        SCOPED_TRACE(static_cast<int>(key));
        auto s = State(kBrowsingMode, kUnset);
        FakeViewHost host;
        EXPECT_FALSE(HandleKey(*s, host, key));
        EXPECT_EQ(s->time.m_browseMode, kBrowsingMode);
        EXPECT_EQ(s->time.m_speed, kUnset);
        EXPECT_EQ(host.invalidations, 0);
        EXPECT_EQ(host.autopilotShown.m_dYear, AutopilotFields{}.m_dYear);
    }
}

// Home, from either screen and far from now: the clock's moment, stopped,
// on the travel screen, shown at once.
TEST(HomeKey, ReturnsToThePresentFromEitherScreen) {
    for (int mode : {kTravelMode, kBrowsingMode}) {
        SCOPED_TRACE(mode);
        auto s = State(mode, -kMillionRow);
        s->time.m_travelSeconds = 1.0e9;  // the Big Bang's neighbourhood
        s->time.m_nowYear = 2026;
        s->time.m_nowMonth = 12;
        s->time.m_nowDay = 8;
        s->time.m_nowHour = 14;
        s->time.m_nowMinute = 30;
        FakeViewHost host;
        EXPECT_TRUE(HandleKey(*s, host, ViewKey::kHome));
        EXPECT_EQ(s->time.m_travelSeconds, kPresentSeconds);
        EXPECT_EQ(s->time.m_speed, 0.0);
        EXPECT_EQ(s->time.m_browseMode, kTravelMode);
        EXPECT_EQ(s->time.m_year, 2026);
        EXPECT_EQ(s->time.m_month, 12);
        EXPECT_EQ(s->time.m_day, 8);
        EXPECT_EQ(s->time.m_hour, 14);
        EXPECT_EQ(s->time.m_minute, 30);
        EXPECT_EQ(host.invalidations, 1);
        // Leaving the browsing screen draws the frame anew and lets time run.
        EXPECT_EQ(s->m_repaintFrame, mode == kBrowsingMode ? 1 : 0);
        EXPECT_EQ(host.timers.count(kTravelTimerId), mode == kBrowsingMode ? 1u : 0u);
    }
}

TEST(LeverPlace, ReadsTheRowFromTheSpeed) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        double speed;
        int place;
    } cases[] = {{0.0, 0},       {kRow1, 1},     {-kRow1, -1},   {kYearRow, 77},
                 {-kRow78, -78}, {kTopRow, 149}, {1.0e300, 149}, {-1.0e300, -149},
                 {0.01, 1},      {-0.01, -1},    {nan, 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(LeverPlace(c.speed), c.place) << c.speed;
    }
}

}  // namespace
}  // namespace orb
