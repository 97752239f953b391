#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "display/Controls.h"
#include "display/SpeedScale.h"
#include "display/TravelTimer.h"
#include "display/ViewHost.h"
#include "display/ViewState.h"
#include "fakes/FakeViewHost.h"
#include "support/ControlState.h"

namespace orb {
namespace {

using orbtest::FakeViewHost;

// 0.2 x e^(d x 10/41) by hand: d = 1 next to the stop band, d = 41 gives
// 0.2 x e^10, d = 149 at the ends of the strip.
constexpr double kNextToBand = 0.2552440;
constexpr double kE10 = 4405.2932;
constexpr double kAtTheEnds = 1.21318e15;
constexpr double kUnset = 123.0;  // a speed no pointer position gives

void ExpectSpeed(double actual, double expected) {
    EXPECT_NEAR(actual, expected, std::fabs(expected) * 1e-5);
}

// A state no click has touched: the speed at a value no click gives.
std::unique_ptr<ViewState> State(int browseMode) {
    return orbtest::ControlState(browseMode, kUnset);
}

struct PointerCase {
    int x, y;
    double speed;
};

class PointerTest : public ::testing::TestWithParam<PointerCase> {};

TEST_P(PointerTest, ClickInTravelModeSetsTheLeversSpeedAndNothingElse) {
    const PointerCase& c = GetParam();
    auto s = State(0);
    FakeViewHost host;
    HandleClick(*s, host, c.x, c.y);
    ExpectSpeed(s->time.m_speed, c.speed);
    EXPECT_EQ(s->time.m_browseMode, 0);
    EXPECT_EQ(s->m_eventsScroll, 400);
    EXPECT_EQ(s->m_repaintFrame, 0);
    EXPECT_TRUE(host.sounds.empty());
    EXPECT_TRUE(host.timers.empty());
    EXPECT_EQ(host.invalidations, 1);
    EXPECT_EQ(s->m_drawnYearStep, 1000);
}

TEST_P(PointerTest, HoverSetsTheSameSpeedWithoutLeavingBrowsingMode) {
    const PointerCase& c = GetParam();
    auto s = State(100);
    HandleHover(*s, c.x, c.y);
    ExpectSpeed(s->time.m_speed, c.speed);
    EXPECT_EQ(s->time.m_browseMode, 100);
    EXPECT_EQ(s->m_repaintFrame, 0);
    EXPECT_EQ(s->m_drawnYearStep, 7);
}

TEST_P(PointerTest, HoverWithHoveringMouseOffChangesNothing) {
    const PointerCase& c = GetParam();
    auto s = State(0);
    s->m_hoverMouse = 0;
    HandleHover(*s, c.x, c.y);
    EXPECT_EQ(s->time.m_speed, kUnset);
}

INSTANTIATE_TEST_SUITE_P(
    Lever, PointerTest,
    ::testing::Values(PointerCase{89, 209, kNextToBand}, PointerCase{0, 169, kE10},
                      PointerCase{45, 61, kAtTheEnds}, PointerCase{89, 210, 0.0},
                      PointerCase{0, 260, 0.0}, PointerCase{89, 310, 0.0},
                      PointerCase{89, 311, -kNextToBand}, PointerCase{45, 351, -kE10},
                      PointerCase{0, 459, -kAtTheEnds},
                      // Right of the strip every position stops travel ...
                      PointerCase{90, 209, 0.0}, PointerCase{90, 311, 0.0},
                      PointerCase{400, 200, 0.0}, PointerCase{799, 599, 0.0},
                      // ... above and below it the speed stays.
                      PointerCase{45, 60, kUnset}, PointerCase{45, 460, kUnset},
                      PointerCase{89, 0, kUnset}, PointerCase{0, 599, kUnset}));

TEST(LeverSpeed, GrowsByEEvery41PixelsFromAFifthOfASecond) {
    EXPECT_NEAR(LeverSpeed(0), 0.2, 1e-15);
    EXPECT_NEAR(LeverSpeed(41), kE10, 1e-3);
    EXPECT_NEAR(LeverSpeed(82) / LeverSpeed(41), LeverSpeed(41) / LeverSpeed(0), 1e-9);
}

TEST(Hover, FromTheStripOntoTheSceneStopsTravelAtOnceOnlyWithHoveringOn) {
    auto s = State(0);
    HandleHover(*s, 45, 169);
    ExpectSpeed(s->time.m_speed, kE10);
    HandleHover(*s, 300, 169);
    EXPECT_EQ(s->time.m_speed, 0.0);

    s->m_hoverMouse = 0;
    s->time.m_speed = kE10;
    HandleHover(*s, 300, 169);
    EXPECT_EQ(s->time.m_speed, kE10);
    FakeViewHost host;
    HandleClick(*s, host, 300, 169);
    EXPECT_EQ(s->time.m_speed, 0.0);
}

// Where a click in browsing mode falls and what it does.
struct BrowseCase {
    const char* what;
    int x, y;
    int moreAbove, moreBelow;
    bool stays;  // in browsing mode
    int scroll;
    std::int64_t year, step;
    double speed;
};

class BrowseClickTest : public ::testing::TestWithParam<BrowseCase> {};

TEST_P(BrowseClickTest, ActsByWhereItFalls) {
    const BrowseCase& c = GetParam();
    auto s = State(100);
    s->m_moreAbove = c.moreAbove;
    s->m_moreBelow = c.moreBelow;
    FakeViewHost host;
    HandleClick(*s, host, c.x, c.y);
    SCOPED_TRACE(c.what);
    EXPECT_EQ(s->m_eventsScroll, c.scroll);
    EXPECT_EQ(s->time.m_year, c.year);
    EXPECT_EQ(s->time.m_yearStep, c.step);
    ExpectSpeed(s->time.m_speed, c.speed);
    EXPECT_EQ(s->m_drawnYearStep, 1000);
    EXPECT_EQ(host.invalidations, 1);
    if (c.stays) {
        EXPECT_EQ(s->time.m_browseMode, 100);
        EXPECT_EQ(host.sounds.size(), 1u);
        EXPECT_TRUE(host.timers.empty());
        EXPECT_EQ(s->m_repaintFrame, 0);
    } else {
        EXPECT_EQ(s->time.m_browseMode, 0);
        EXPECT_TRUE(host.sounds.empty());
        ASSERT_EQ(host.timers.count(kTravelTimerId), 1u);
        EXPECT_EQ(host.timers.at(kTravelTimerId), 50);
        EXPECT_EQ(s->m_repaintFrame, 1);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Areas, BrowseClickTest,
    ::testing::Values(
        BrowseCase{"back arrow", 101, 460, 1, 1, true, 20, 999, 1000, 0.0},
        BrowseCase{"back arrow", 259, 518, 1, 1, true, 20, 999, 1000, 0.0},
        BrowseCase{"forward arrow", 301, 460, 1, 1, true, 20, 2999, 1000, 0.0},
        BrowseCase{"forward arrow", 459, 518, 1, 1, true, 20, 2999, 1000, 0.0},
        BrowseCase{"zoom in", 501, 460, 1, 1, true, 20, 1999, 100, 0.0},
        BrowseCase{"zoom in", 579, 518, 1, 1, true, 20, 1999, 100, 0.0},
        BrowseCase{"between the zoom halves", 580, 480, 1, 1, true, 20, 1999, 1000, 0.0},
        BrowseCase{"zoom out", 581, 460, 1, 1, true, 20, 1999, 10000, 0.0},
        BrowseCase{"zoom out", 659, 518, 1, 1, true, 20, 1999, 10000, 0.0},
        BrowseCase{"scroll down", 781, 226, 0, 1, true, 100, 1999, 1000, 0.0},
        BrowseCase{"scroll down", 798, 449, 0, 1, true, 100, 1999, 1000, 0.0},
        BrowseCase{"scroll down at the end", 790, 300, 1, 0, true, 400, 1999, 1000, 0.0},
        BrowseCase{"scroll up", 781, 1, 1, 0, true, 700, 1999, 1000, 0.0},
        BrowseCase{"scroll up", 798, 224, 1, 0, true, 700, 1999, 1000, 0.0},
        BrowseCase{"scroll up at the top", 790, 100, 0, 1, true, 400, 1999, 1000, 0.0},
        BrowseCase{"left of the back arrow", 100, 480, 1, 1, false, 400, 1999, 1000, 0.0},
        BrowseCase{"right of the back arrow", 260, 480, 1, 1, false, 400, 1999, 1000, 0.0},
        BrowseCase{"above the back arrow", 200, 459, 1, 1, false, 400, 1999, 1000, 0.0},
        BrowseCase{"below the back arrow", 200, 519, 1, 1, false, 400, 1999, 1000, 0.0},
        BrowseCase{"left of the forward arrow", 300, 480, 1, 1, false, 400, 1999, 1000, 0.0},
        BrowseCase{"right of the forward arrow", 460, 480, 1, 1, false, 400, 1999, 1000, 0.0},
        BrowseCase{"above the forward arrow", 400, 459, 1, 1, false, 400, 1999, 1000, 0.0},
        BrowseCase{"below the forward arrow", 400, 519, 1, 1, false, 400, 1999, 1000, 0.0},
        BrowseCase{"left of zoom", 500, 480, 1, 1, false, 400, 1999, 1000, 0.0},
        BrowseCase{"right of zoom", 660, 480, 1, 1, false, 400, 1999, 1000, 0.0},
        BrowseCase{"above zoom", 600, 459, 1, 1, false, 400, 1999, 1000, 0.0},
        BrowseCase{"below zoom", 600, 519, 1, 1, false, 400, 1999, 1000, 0.0},
        BrowseCase{"between the scroll bars", 790, 225, 1, 1, false, 400, 1999, 1000, 0.0},
        BrowseCase{"above the scroll bars", 790, 0, 1, 1, false, 400, 1999, 1000, 0.0},
        BrowseCase{"below the scroll bars", 790, 450, 1, 1, false, 400, 1999, 1000, 0.0},
        BrowseCase{"left of the upper scroll bar", 780, 100, 1, 1, false, 400, 1999, 1000, 0.0},
        BrowseCase{"left of the lower scroll bar", 780, 300, 1, 1, false, 400, 1999, 1000, 0.0},
        BrowseCase{"right of the upper scroll bar", 799, 100, 1, 1, false, 400, 1999, 1000, 0.0},
        BrowseCase{"right of the lower scroll bar", 799, 300, 1, 1, false, 400, 1999, 1000, 0.0},
        BrowseCase{"the scene", 400, 200, 1, 1, false, 400, 1999, 1000, 0.0},
        BrowseCase{"the lever", 89, 311, 1, 1, false, 400, 1999, 1000, -kNextToBand},
        BrowseCase{"above the lever", 45, 60, 1, 1, false, 400, 1999, 1000, kUnset}));

// Where a click in travel mode falls: only Set Destination and Timeline act.
struct TravelCase {
    const char* what;
    int x, y;
    bool dialog, browses;
};

class TravelClickTest : public ::testing::TestWithParam<TravelCase> {};

TEST_P(TravelClickTest, ActsByWhereItFalls) {
    const TravelCase& c = GetParam();
    auto s = State(0);
    s->m_moreAbove = 1;
    s->m_moreBelow = 1;
    FakeViewHost host;
    HandleClick(*s, host, c.x, c.y);
    SCOPED_TRACE(c.what);
    EXPECT_EQ(!host.autopilotShown.m_strEra.empty(), c.dialog);
    EXPECT_EQ(s->time.m_browseMode, c.browses ? 100 : 0);
    EXPECT_EQ(s->m_eventsScroll, c.browses ? 20 : 400);
    EXPECT_EQ(host.sounds.size(), c.browses ? 1u : 0u);
    EXPECT_EQ(s->time.m_yearStep, 1000);
    EXPECT_EQ(s->time.m_speed, 0.0);
    EXPECT_TRUE(host.timers.empty());
    EXPECT_EQ(s->m_repaintFrame, 0);
    EXPECT_EQ(host.invalidations, 1);
    if (!c.dialog) {
        EXPECT_EQ(s->time.m_travelSeconds, 1.0e17);  // the Timeline does not move time
    }
}

INSTANTIATE_TEST_SUITE_P(
    Areas, TravelClickTest,
    ::testing::Values(TravelCase{"set destination", 101, 460, true, false},
                      TravelCase{"set destination", 259, 518, true, false},
                      TravelCase{"timeline", 301, 460, false, true},
                      TravelCase{"timeline", 459, 518, false, true},
                      TravelCase{"fuel gauge", 501, 480, false, false},
                      TravelCase{"fuel gauge", 580, 480, false, false},
                      TravelCase{"fuel gauge", 659, 518, false, false},
                      TravelCase{"upper scroll bar", 790, 100, false, false},
                      TravelCase{"lower scroll bar", 790, 300, false, false},
                      TravelCase{"beside the timeline", 300, 480, false, false},
                      TravelCase{"beside set destination", 260, 480, false, false}));

// The buttons of browsing mode at the edges of the step and the year.
struct ButtonCase {
    std::int64_t year, step;
    int x;
    std::int64_t yearAfter, stepAfter;
};

class BrowseButtonTest : public ::testing::TestWithParam<ButtonCase> {};

TEST_P(BrowseButtonTest, StaysWithinTheBoundsAndAlwaysSounds) {
    const ButtonCase& c = GetParam();
    auto s = State(100);
    s->time.m_year = c.year;
    s->time.m_yearStep = c.step;
    FakeViewHost host;
    HandleClick(*s, host, c.x, 480);
    EXPECT_EQ(s->time.m_year, c.yearAfter);
    EXPECT_EQ(s->time.m_yearStep, c.stepAfter);
    EXPECT_EQ(s->m_drawnYearStep, c.step);  // drawing sees whether the step changed
    EXPECT_EQ(s->time.m_browseMode, 100);
    EXPECT_EQ(host.sounds.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Edges, BrowseButtonTest,
                         ::testing::Values(ButtonCase{1999, 1, 501, 1999,
                                                      1},  // zoom in, out, and neither
                                           ButtonCase{1999, 1000000000, 659, 1999, 1000000000},
                                           ButtonCase{1999, 10, 579, 1999, 1},
                                           ButtonCase{1999, 100000000, 581, 1999, 1000000000},
                                           ButtonCase{1999, 1000, 580, 1999, 1000},
                                           // back and forward arrows
                                           ButtonCase{-14999999990, 10, 200, -15000000000, 10},
                                           ButtonCase{-14999999990, 100, 200, -14999999990, 100},
                                           ButtonCase{14999999990, 10, 400, 15000000000, 10},
                                           ButtonCase{14999999990, 100, 400, 14999999990, 100}));

// A host that notes each call with the state as it stands at that moment.
class LoggingHost final : public ViewHost {
  public:
    explicit LoggingHost(const ViewState& s) : m_s(s) {}
    platform::Dc& ScreenDc() override { return m_fake.ScreenDc(); }
    void Invalidate() override { Note("paint"); }
    void SetTimer(int id, int periodMs) override {
        Note("timer " + std::to_string(id) + "/" + std::to_string(periodMs));
    }
    void KillTimer(int) override { Note("kill"); }
    bool PlaySound(const char* name, unsigned flags) override {
        Note(std::string(name) + "/" + std::to_string(flags));
        return true;
    }
    void RunAutopilot(AutopilotFields&) override { Note("autopilot"); }
    void Warn(const std::string&) override {}

    std::vector<std::string> log;

  private:
    void Note(const std::string& what) {
        const TimeState& t = m_s.time;
        log.push_back(what + " y" + std::to_string(t.m_year) + " s" + std::to_string(t.m_yearStep) +
                      " l" + std::to_string(m_s.m_eventsScroll) + " m" +
                      std::to_string(t.m_browseMode) + " f" + std::to_string(m_s.m_repaintFrame));
    }

    const ViewState& m_s;
    FakeViewHost m_fake;
};

struct OrderCase {
    int browseMode, x, y;
    std::vector<std::string> log;
};

class ClickOrderTest : public ::testing::TestWithParam<OrderCase> {};

TEST_P(ClickOrderTest, SoundsTimerAndPaintComeInTheirPlace) {
    const OrderCase& c = GetParam();
    auto s = State(c.browseMode);
    s->m_moreBelow = 1;
    LoggingHost host(*s);
    HandleClick(*s, host, c.x, c.y);
    EXPECT_EQ(host.log, c.log);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, ClickOrderTest,
    ::testing::Values(
        // The arrows sound before they step; zoom and scrolling after they act.
        OrderCase{
            100, 200, 480, {"beep.wav/1 y1999 s1000 l400 m100 f0", "paint y999 s1000 l20 m100 f0"}},
        OrderCase{100,
                  400,
                  480,
                  {"beep.wav/1 y1999 s1000 l400 m100 f0", "paint y2999 s1000 l20 m100 f0"}},
        OrderCase{
            100, 501, 480, {"beep.wav/1 y1999 s100 l20 m100 f0", "paint y1999 s100 l20 m100 f0"}},
        OrderCase{100,
                  790,
                  300,
                  {"beep.wav/1 y1999 s1000 l100 m100 f0", "paint y1999 s1000 l100 m100 f0"}},
        // Leaving browsing mode: frame flag and timer, then the mode, then the paint.
        OrderCase{
            100, 400, 200, {"timer 1/50 y1999 s1000 l400 m100 f1", "paint y1999 s1000 l400 m0 f1"}},
        // Timeline sounds while still travelling.
        OrderCase{
            0, 400, 480, {"beep.wav/1 y1999 s1000 l400 m0 f0", "paint y1999 s1000 l20 m100 f0"}},
        // Set Destination: the dialog, no sound, then the paint.
        OrderCase{
            0, 200, 480, {"autopilot y1999 s1000 l400 m0 f0", "paint y1999 s1000 l400 m0 f0"}}));

}  // namespace
}  // namespace orb
