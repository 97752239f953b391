// The travel screen on the framebuffer, painted through the view: the frame,
// clock, date row, badge, scene picture and warp tunnel.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

#include "display/Colours.h"
#include "display/TimeModel.h"
#include "display/TravelTimer.h"
#include "res/ResourceIds.h"
#include "support/LocalTimeAt.h"
#include "support/ViewRig.h"

namespace orb {
namespace {

using orbtest::Filled;
using res::SmallDigitId;

int Large(int digit) {
    return res::IDB_DIGIT_LARGE_FIRST + digit;
}

constexpr int kBlankCell = res::IDB_DIGIT_LARGE_BLANK;

int Month(int month) {
    return res::IDB_MONTH_FIRST + month - 1;
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

    orbtest::ViewRig rig;
};

TEST_F(TravelScreen, FullRepaintDrawsTheStaticFrame) {
    EXPECT_TRUE(rig.ShowsImage(res::IDB_SPEED_SCALE, 70, 60));
    EXPECT_TRUE(rig.ShowsImage(res::IDB_SET_DESTINATION, 100, 460));
    EXPECT_TRUE(rig.ShowsImage(res::IDB_TIMELINE, 300, 460));
    EXPECT_TRUE(rig.ShowsImage(res::IDB_FUEL_GAUGE, 500, 460));
    EXPECT_TRUE(rig.ShowsImage(res::IDB_BADGE_AD, 600, 399));
    EXPECT_TRUE(Filled(rig.host.frame, 0, 0, 70, 60, kBlack));
    EXPECT_TRUE(Filled(rig.host.frame, 160, 65, 512, 320, platform::Rgb(10, 20, 30)));

    // Only a request repaints the frame.
    rig.Smudge(0, 0, 50, 50);
    rig.Paint();
    EXPECT_TRUE(Filled(rig.host.frame, 1, 1, 49, 49, kWhite));
    rig.state->m_repaintFrame = 1;
    rig.Paint();
    EXPECT_TRUE(Filled(rig.host.frame, 0, 0, 50, 50, kBlack));
}

// The badge of a full repaint follows the year, whatever the last paint drew.
TEST_F(TravelScreen, FullRepaintDrawsTheBadgeOfTheYear) {
    const struct {
        std::int64_t year;
        int badge;
    } cases[] = {{-44, res::IDB_BADGE_BC}, {-1, res::IDB_BADGE_BC}, {1, res::IDB_BADGE_AD}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.year);
        SetMoment(c.year, 3, 15, 12, 0);
        rig.state->m_lastDrawnYear = c.year;  // no change of sign to redraw it for
        rig.state->m_repaintFrame = 1;
        rig.Smudge(600, 399, 48, 48);
        rig.Paint();
        EXPECT_TRUE(rig.ShowsImage(c.badge, 600, 399));
    }
}

TEST_F(TravelScreen, ClockShowsHourAndMinute) {
    const struct {
        int hour, minute;
    } times[] = {{21, 5}, {9, 59}, {0, 0}, {16, 38}, {14, 27}};  // every digit
    for (const auto& time : times) {
        SCOPED_TRACE(testing::Message() << time.hour << ":" << time.minute);
        SetMoment(1999, 7, 2, time.hour, time.minute);
        rig.Paint();
        EXPECT_TRUE(rig.ShowsImage(SmallDigitId(time.hour / 10), 680, 65));
        EXPECT_TRUE(rig.ShowsImage(SmallDigitId(time.hour % 10), 700, 65));
        EXPECT_TRUE(rig.ShowsImage(res::IDB_CLOCK_COLON, 720, 65));
        EXPECT_TRUE(rig.ShowsImage(SmallDigitId(time.minute / 10), 730, 65));
        EXPECT_TRUE(rig.ShowsImage(SmallDigitId(time.minute % 10), 750, 65));
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
            EXPECT_TRUE(rig.ShowsImage(SmallDigitId(2), 680, 65));
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
         {Large(0), Large(2), kBlankCell, Month(7), kBlankCell, Large(9), Large(9), Large(9),
          Large(9)}},
        {-33,
         12,
         31,
         {Large(3), Large(1), kBlankCell, Month(12), kBlankCell, Large(0), Large(0), Large(3),
          Large(3)}},
        {1,
         1,
         1,
         {Large(0), Large(1), kBlankCell, Month(1), kBlankCell, Large(0), Large(0), Large(0),
          Large(1)}},
    };
    const int xs[] = {160, 200, 240, 280, 400, 440, 480, 520, 560};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.year);
        SetMoment(c.year, c.month, c.day, 12, 0);
        rig.Paint();
        for (std::size_t i = 0; i < c.cells.size(); ++i) {
            EXPECT_TRUE(rig.ShowsImage(c.cells[i], xs[i], 385)) << "cell at " << xs[i];
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
            EXPECT_TRUE(rig.ShowsImage(id, 160 + 40 * static_cast<int>(cell), 385)) << cell;
        }
    }
}

// Travelling on from 1 January at midnight: the day of the year the moment
// reaches, turned into day and month by the table of days before each month.
TEST_F(TravelScreen, DateRowDuringTravelThroughTheYear) {
    const struct {
        int daysOn;  // from 1 January, counted by hand in a year of 365 days
        int day, month;
    } cases[] = {{0, 1, 1},    {31, 1, 2},    {58, 28, 2},  {59, 1, 3},   {90, 1, 4},
                 {120, 1, 5},  {151, 1, 6},   {181, 1, 7},  {211, 31, 7}, {212, 1, 8},
                 {242, 31, 8}, {243, 1, 9},   {272, 30, 9}, {273, 1, 10}, {303, 31, 10},
                 {304, 1, 11}, {333, 30, 11}, {334, 1, 12}, {364, 31, 12}};
    rig.clock.Set(orbtest::At(2026, 1, 1, 0, 0, 0));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.daysOn);
        TimeState& t = rig.state->time;
        t.m_travelSeconds = kPresentSeconds + c.daysOn * 86400.0 + 12 * 3600.0;
        t.m_speed = 0.25;
        rig.view->OnTimer(kTravelTimerId);
        rig.Paint();
        EXPECT_TRUE(rig.ShowsImage(Large(c.day / 10), 160, 385));
        EXPECT_TRUE(rig.ShowsImage(Large(c.day % 10), 200, 385));
        EXPECT_TRUE(rig.ShowsImage(Month(c.month), 280, 385));
        EXPECT_TRUE(rig.ShowsImage(Large(6), 560, 385));  // still 2026
    }
}

TEST_F(TravelScreen, BadgeIsRedrawnOnlyWhenTheYearChangesSign) {
    const struct {
        std::int64_t year;
        int badge;  // 0: not redrawn
    } steps[] = {{-1, res::IDB_BADGE_BC}, {-2, 0}, {1, res::IDB_BADGE_AD}, {2, 0},
                 {-1, res::IDB_BADGE_BC}, {0, 0}};
    for (const auto& step : steps) {
        SCOPED_TRACE(step.year);
        rig.Smudge(600, 399, 48, 48);
        SetMoment(step.year, 7, 2, 12, 0);
        rig.Paint();
        if (step.badge != 0) {
            EXPECT_TRUE(rig.ShowsImage(step.badge, 600, 399));
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
    EXPECT_TRUE(rig.ShowsImage(SmallDigitId(2), 680, 65));  // the clock still moved on
    EXPECT_EQ(rig.host.warnings.size(), 2u);                // once for each file, not every paint
    EXPECT_EQ(rig.state->m_lastDrawnYear, 2026);
}

// The scene files are read at every paint. While the picture, its colours
// and the light stay as they were, the copy on the framebuffer is right (the
// view alone draws there) and is not made again; anything else draws it
// again. A mark behind the view's back shows which.
TEST_F(TravelScreen, AnUnchangedPictureIsNotCopiedAgain) {
    const auto copied = [this] {
        rig.Smudge(300, 200, 10, 10);
        rig.Paint();
        return !Filled(rig.host.frame, 300, 200, 10, 10, kWhite);
    };
    EXPECT_FALSE(copied());
    rig.state->time.m_brightness = 128;  // another light
    EXPECT_TRUE(copied());
    EXPECT_FALSE(copied());
    rig.WriteScene(8, 2, 10, 20, 30);  // another picture in the same colour
    EXPECT_TRUE(copied());
    rig.WriteScene(8, 2, 40, 50, 60);  // the same picture in another colour
    EXPECT_TRUE(copied());
    rig.state->time.m_brightness = 256;
    EXPECT_TRUE(copied());
    rig.state->m_repaintFrame = 1;  // drawn over with black first
    EXPECT_TRUE(copied());
    EXPECT_TRUE(Filled(rig.host.frame, 160, 65, 512, 320, platform::Rgb(40, 50, 60)));
}

// A picture that differs from the last in a single byte, wherever it lies,
// is shown whole; one that ends early leaves the last.
TEST_F(TravelScreen, APictureThatDiffersInOneByteIsShownWhole) {
    std::string palette(kScenePaletteSize, '\0');
    orbtest::ViewRig::SetEntry(palette, 1, 10, 20, 30);
    orbtest::ViewRig::SetEntry(palette, 2, 200, 100, 50);
    const auto count = [this](platform::ColorRef colour) {
        int n = 0;
        for (int y = 65; y < 65 + kSceneHeight; ++y) {
            for (int x = 160; x < 160 + kSceneWidth; ++x) {
                n += rig.host.frame.PixelAt(x, y) == platform::ToPixel(colour) ? 1 : 0;
            }
        }
        return n;
    };
    std::string picture;
    for (std::size_t odd : {std::size_t{0}, std::size_t{65535}, std::size_t{65536},
                            std::size_t{100000}, kScenePixelsSize - 1}) {
        SCOPED_TRACE(odd);
        picture.assign(kScenePixelsSize, '\1');
        picture[odd] = '\2';
        rig.WriteScene(8, picture, palette);
        rig.Paint();
        EXPECT_EQ(count(platform::Rgb(200, 100, 50)), 1);
        EXPECT_EQ(count(platform::Rgb(10, 20, 30)), kSceneWidth * kSceneHeight - 1);
    }
    rig.WriteScene(8, std::string(kScenePixelsSize - 1, '\1'), palette);
    rig.Paint();
    EXPECT_EQ(count(platform::Rgb(200, 100, 50)), 1);
    EXPECT_EQ(rig.host.warnings.size(), 1u);
}

// A paint changes on screen only what it changes: the same clock, date and
// picture again change nothing; a new minute changes its digit alone.
TEST_F(TravelScreen, APaintReportsOnlyWhatItChanged) {
    EXPECT_TRUE(rig.Paint().empty());
    SetMoment(1999, 7, 2, 12, 1);
    const std::vector<platform::Rect> changed = rig.Paint();
    ASSERT_EQ(changed.size(), 1u);
    EXPECT_GE(changed[0].x, 750);  // the last minute digit's cell
    EXPECT_LT(changed[0].x + changed[0].width, 770 + 1);
    EXPECT_GE(changed[0].y, 65);
    EXPECT_LE(changed[0].y + changed[0].height, 65 + 32);
}

// The directory of the scene files is renamed between two paints, and
// another takes its place under another spelling: the next paint finds it.
TEST_F(TravelScreen, TheNextPaintFindsADataDirectoryThatWasReplaced) {
    std::filesystem::rename(rig.install.Path() / "DATA", rig.install.Path() / "data");
    rig.Paint();  // "DATA" found as "data"
    std::filesystem::rename(rig.install.Path() / "data", rig.install.Path() / "before");
    rig.WriteScene(8, 1, 70, 80, 90);
    std::filesystem::rename(rig.install.Path() / "DATA", rig.install.Path() / "Data");
    rig.Paint();
    EXPECT_TRUE(Filled(rig.host.frame, 160, 65, 512, 320, platform::Rgb(70, 80, 90)));
    EXPECT_TRUE(rig.host.warnings.empty());
}

// The tunnel's picture: its middle half (rows 80..239, columns 128..383) in
// one colour, the rest in another.
std::string TunnelPicture() {
    std::string picture(kScenePixelsSize, '\x06');
    for (int row = 80; row < 240; ++row) {
        for (int column = 128; column < 384; ++column) {
            picture[static_cast<std::size_t>(row * kSceneWidth + column)] = '\x05';
        }
    }
    return picture;
}

// Where the tunnel's middle half lands at each zoom: rows and columns of the
// picture, both ends included, worked out by hand. Zooms out of range (and
// NaN) are held to 0.5..1, so no source pixel falls outside the picture.
TEST_F(TravelScreen, WarpPaintShowsTheTunnelZoomedAboutItsMiddle) {
    constexpr platform::ColorRef kMiddle = platform::Rgb(250, 40, 160);
    constexpr platform::ColorRef kOuter = platform::Rgb(20, 200, 90);
    std::string palette(kScenePaletteSize, '\0');
    orbtest::ViewRig::SetEntry(palette, 5, 250, 40, 160);
    orbtest::ViewRig::SetEntry(palette, 6, 20, 200, 90);
    rig.WriteScene(kWarpScene, TunnelPicture(), palette);
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        double zoom;
        int top, bottom, left, right;
    } cases[] = {{1.0, 80, 239, 128, 383}, {0.75, 54, 266, 86, 426},
                 {0.5, 0, 319, 0, 511},    {0.25, 0, 319, 0, 511},
                 {-inf, 0, 319, 0, 511},   {2.0, 80, 239, 128, 383},
                 {inf, 80, 239, 128, 383}, {std::nan(""), 80, 239, 128, 383}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.zoom);
        rig.state->time.m_scene = kWarpScene;
        rig.state->time.m_warpZoom = c.zoom;
        rig.Paint();
        const platform::Framebuffer& frame = rig.host.frame;
        const int x = kSceneX;
        const int y = kSceneY;
        EXPECT_TRUE(Filled(frame, x + c.left, y + c.top, c.right - c.left + 1, c.bottom - c.top + 1,
                           kMiddle));
        EXPECT_TRUE(Filled(frame, x, y, kSceneWidth, c.top, kOuter));
        EXPECT_TRUE(
            Filled(frame, x, y + c.bottom + 1, kSceneWidth, kSceneHeight - c.bottom - 1, kOuter));
        EXPECT_TRUE(Filled(frame, x, y, c.left, kSceneHeight, kOuter));
        EXPECT_TRUE(
            Filled(frame, x + c.right + 1, y, kSceneWidth - c.right - 1, kSceneHeight, kOuter));
    }
}

}  // namespace
}  // namespace orb
