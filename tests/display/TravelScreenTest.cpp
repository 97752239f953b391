#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "display/Colours.h"
#include "platform/Dc.h"
#include "platform/LoadBitmap.h"
#include "support/FrameProbe.h"
#include "support/ViewRig.h"

namespace orb {
namespace {

using orbtest::Filled;
using orbtest::Shows;

// Resource ids of the images, as the resource list numbers them.
constexpr int kSmallDigit[10] = {119, 111, 112, 113, 114, 115, 116, 117, 118, 110};
constexpr int kLargeDigit0 = 165;
constexpr int kBlankCell = 187;
constexpr int kJanuary = 175;
constexpr int kColon = 303;

int Large(int digit) {
    return kLargeDigit0 + digit;
}

class TravelScreen : public ::testing::Test {
  protected:
    void SetUp() override {
        rig.WriteScene(8, 1, 10, 20, 30);
        rig.Build();
        SetMoment(1999, 7, 2, 12, 0);
        rig.Paint();  // the first paint: frame, timer, the present
    }

    void SetMoment(std::int64_t year, int month, int day, int hour, int minute) {
        TimeState& t = rig.state->time;
        t.m_year = year;
        t.m_month = month;
        t.m_day = day;
        t.m_hour = hour;
        t.m_minute = minute;
        t.m_scene = 8;
        t.m_brightness = 256;
    }

    ::testing::AssertionResult ShowsImage(int id, int x, int y) const {
        return Shows(rig.host.frame, platform::LoadBitmap(id), x, y);
    }

    // Paints over a rectangle, so that a test can see whether a paint draws there.
    void Smudge(int x, int y, int width, int height) {
        platform::Dc dc(rig.host.frame);
        dc.FillSolidRect(x, y, width, height, kWhite);
    }

    orbtest::ViewRig rig;
};

TEST_F(TravelScreen, FullRepaintDrawsTheStaticFrame) {
    EXPECT_TRUE(ShowsImage(189, 70, 60));    // speed scale
    EXPECT_TRUE(ShowsImage(302, 100, 460));  // SET DESTINATION
    EXPECT_TRUE(ShowsImage(301, 300, 460));  // TIMELINE
    EXPECT_TRUE(ShowsImage(306, 500, 460));  // fuel gauge
    EXPECT_TRUE(ShowsImage(191, 600, 399));  // AD
    EXPECT_TRUE(Filled(rig.host.frame, 0, 0, 70, 60, kBlack));
    EXPECT_TRUE(Filled(rig.host.frame, 160, 65, 512, 320, platform::Rgb(10, 20, 30)));

    // Only a request repaints the frame.
    Smudge(0, 0, 50, 50);
    rig.Paint();
    EXPECT_TRUE(Filled(rig.host.frame, 1, 1, 49, 49, kWhite));
    rig.state->m_repaintFrame = 1;
    rig.Paint();
    EXPECT_TRUE(Filled(rig.host.frame, 0, 0, 50, 50, kBlack));
}

TEST_F(TravelScreen, ClockShowsHourAndMinute) {
    const struct { int hour, minute; } times[] = {{21, 5}, {9, 59}, {0, 0}, {13, 47}};
    for (const auto& time : times) {
        SCOPED_TRACE(testing::Message() << time.hour << ":" << time.minute);
        SetMoment(1999, 7, 2, time.hour, time.minute);
        rig.Paint();
        EXPECT_TRUE(ShowsImage(kSmallDigit[time.hour / 10], 680, 65));
        EXPECT_TRUE(ShowsImage(kSmallDigit[time.hour % 10], 700, 65));
        EXPECT_TRUE(ShowsImage(kColon, 720, 65));
        EXPECT_TRUE(ShowsImage(kSmallDigit[time.minute / 10], 730, 65));
        EXPECT_TRUE(ShowsImage(kSmallDigit[time.minute % 10], 750, 65));
    }
}

TEST_F(TravelScreen, ClockAreaIsBlackFarOutOrWithTheClockOff) {
    const struct {
        std::int64_t year;
        int showClock;
        bool shown;
    } cases[] = {{9999, 1, true},    {-9999, 1, true}, {10000, 1, false},
                 {-10000, 1, false}, {1999, 0, false}, {15000000000, 1, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.year << " clock " << c.showClock);
        SetMoment(9999, 7, 2, 21, 5);
        rig.state->m_showClock = 1;
        rig.Paint();  // digits in the clock area first
        SetMoment(c.year, 7, 2, 21, 5);
        rig.state->m_showClock = c.showClock;
        rig.Paint();
        if (c.shown) {
            EXPECT_TRUE(ShowsImage(kSmallDigit[2], 680, 65));
        } else {
            EXPECT_TRUE(Filled(rig.host.frame, 680, 65, 120, 32, kBlack));
        }
    }
}

TEST_F(TravelScreen, DateRowShowsDayMonthAndFourYearDigitsBelowTenThousand) {
    const struct {
        std::int64_t year;
        int month, day;
        std::vector<int> cells;  // ids at x = 160, 200, 240, 280 (month), 400 .. 560
    } cases[] = {
        {9999,
         7,
         2,
         {Large(0), Large(2), kBlankCell, kJanuary + 6, kBlankCell, Large(9), Large(9), Large(9),
          Large(9)}},
        {-33,
         12,
         31,
         {Large(3), Large(1), kBlankCell, kJanuary + 11, kBlankCell, Large(0), Large(0), Large(3),
          Large(3)}},
        {1,
         1,
         1,
         {Large(0), Large(1), kBlankCell, kJanuary, kBlankCell, Large(0), Large(0), Large(0),
          Large(1)}},
    };
    const int xs[] = {160, 200, 240, 280, 400, 440, 480, 520, 560};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.year);
        SetMoment(c.year, c.month, c.day, 12, 0);
        rig.Paint();
        for (std::size_t i = 0; i < c.cells.size(); ++i) {
            EXPECT_TRUE(ShowsImage(c.cells[i], xs[i], 385)) << "cell at " << xs[i];
        }
    }
}

TEST_F(TravelScreen, DateRowShowsTheYearAloneFromTenThousandOn) {
    const struct {
        std::int64_t year;
        std::vector<int> digits;  // eleven cells; -1 is the blank cell
    } cases[] = {
        {10000, {-1, -1, -1, -1, -1, -1, 1, 0, 0, 0, 0}},
        {-10000, {-1, -1, -1, -1, -1, -1, 1, 0, 0, 0, 0}},
        {15000000000, {1, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {10000000000, {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {9999999999, {-1, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9}},
        {-123456789, {-1, -1, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
        {99999, {-1, -1, -1, -1, -1, -1, 9, 9, 9, 9, 9}},
        {100000, {-1, -1, -1, -1, -1, 1, 0, 0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.year);
        SetMoment(c.year, 7, 2, 12, 0);
        rig.Paint();
        for (std::size_t cell = 0; cell < 11; ++cell) {
            const int id = c.digits[cell] < 0 ? kBlankCell : Large(c.digits[cell]);
            EXPECT_TRUE(ShowsImage(id, 160 + 40 * static_cast<int>(cell), 385)) << cell;
        }
    }
}

TEST_F(TravelScreen, BadgeIsRedrawnOnlyWhenTheYearChangesSign) {
    const struct {
        std::int64_t year;
        int badge;  // 0: not redrawn
    } steps[] = {{-1, 190}, {-2, 0}, {1, 191}, {2, 0}, {-1, 190}, {0, 0}};
    for (const auto& step : steps) {
        SCOPED_TRACE(step.year);
        Smudge(600, 399, 48, 48);
        SetMoment(step.year, 7, 2, 12, 0);
        rig.Paint();
        if (step.badge != 0) {
            EXPECT_TRUE(ShowsImage(step.badge, 600, 399));
        } else {
            EXPECT_TRUE(Filled(rig.host.frame, 600, 399, 48, 48, kWhite));
        }
        EXPECT_EQ(rig.state->m_lastDrawnYear, step.year);
        EXPECT_EQ(rig.state->m_repaintBrowse, 1);
    }
}

TEST_F(TravelScreen, AMissingSceneKeepsTheLastPictureAndThePaintGoesOn) {
    SetMoment(2026, 12, 8, 21, 5);
    rig.state->time.m_scene = 9;  // no such files in this installation
    rig.state->time.m_brightness = 64;
    rig.Paint();
    rig.Paint();
    EXPECT_TRUE(Filled(rig.host.frame, 160, 65, 512, 320, platform::Rgb(10, 20, 30)));
    EXPECT_TRUE(ShowsImage(kSmallDigit[2], 680, 65));  // the clock still moved on
    EXPECT_EQ(rig.host.warnings.size(), 2u);           // once for each file, not every paint
    EXPECT_EQ(rig.state->m_lastDrawnYear, 2026);
}

class BrowsingScreen : public TravelScreen {
  protected:
    void Browse(std::int64_t step) {
        rig.state->time.m_browseMode = 100;
        rig.state->time.m_yearStep = step;
        rig.state->m_drawnYearStep = step;
        rig.Paint();
    }
};

TEST_F(BrowsingScreen, PanelsButtonsAndTheStoppedTimer) {
    ASSERT_EQ(rig.host.timers.count(1), 1u);
    Browse(1);
    // Below the label and the list, the panels as they were filled.
    EXPECT_TRUE(Filled(rig.host.frame, 130, 400, 650, 50, kPanelPurple));
    EXPECT_TRUE(Filled(rig.host.frame, 0, 400, 130, 50, kColumnBlue));
    // The fill stops short of the last column, which the window never shows.
    EXPECT_TRUE(Filled(rig.host.frame, 0, 450, 799, 10, kBlack));
    EXPECT_TRUE(Filled(rig.host.frame, 660, 460, 139, 60, kBlack));
    EXPECT_TRUE(ShowsImage(104, 100, 460));
    EXPECT_TRUE(ShowsImage(105, 300, 460));
    EXPECT_TRUE(ShowsImage(109, 500, 460));  // no finer step than one year
    EXPECT_EQ(rig.host.timers.count(1), 0u);
    EXPECT_EQ(rig.state->m_repaintBrowse, 0);
}

TEST_F(BrowsingScreen, ZoomFaceFollowsTheStep) {
    const struct {
        std::int64_t step;
        int face;
    } cases[] = {{1, 109}, {10, 106}, {100000000, 106}, {1000000000, 108}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.step);
        Browse(c.step);
        EXPECT_TRUE(ShowsImage(c.face, 500, 460));
    }
}

TEST_F(BrowsingScreen, PanelsAreRefilledOnRequestOrWhenTheStepChanged) {
    Browse(1);
    Smudge(300, 200, 10, 10);
    rig.Paint();  // nothing asked for: the panel keeps what is drawn on it
    EXPECT_TRUE(Filled(rig.host.frame, 300, 200, 10, 10, kWhite));

    rig.state->time.m_yearStep = 10;  // a zoom click changed the step
    rig.Paint();
    EXPECT_TRUE(Filled(rig.host.frame, 300, 200, 10, 10, kPanelPurple));

    Smudge(300, 200, 10, 10);
    rig.state->m_drawnYearStep = 10;
    rig.state->m_repaintBrowse = 1;
    rig.Paint();
    EXPECT_TRUE(Filled(rig.host.frame, 300, 200, 10, 10, kPanelPurple));
}

TEST_F(BrowsingScreen, ReturningToTravelRedrawsTheFrame) {
    Browse(1);
    rig.state->time.m_browseMode = 0;
    rig.state->m_repaintFrame = 1;
    rig.Paint();
    EXPECT_TRUE(ShowsImage(189, 70, 60));
    EXPECT_TRUE(ShowsImage(301, 300, 460));
    EXPECT_TRUE(Filled(rig.host.frame, 160, 65, 512, 320, platform::Rgb(10, 20, 30)));
}

}  // namespace
}  // namespace orb
