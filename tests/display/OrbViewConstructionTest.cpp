// Making the view: the databank read into its buffer, the starting values,
// the fonts it asks for, and the first paint and tick.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <tuple>

#include "display/COrbView.h"
#include "display/TravelTimer.h"
#include "field/InstallPathField.h"
#include "platform/FileException.h"
#include "res/ResourceIds.h"
#include "support/LocalTimeAt.h"
#include "support/ViewRig.h"

namespace orb {
namespace {

class ViewConstruction : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_LE(rig.install.Str().size(), kInstallPathCapacity); }

    orbtest::ViewRig rig;
    ViewState& state = *rig.state;
};

TEST_F(ViewConstruction, ShortDatabankLeavesTheRestZero) {
    rig.install.Write("DATA/EVENTS.DAT", std::string(100, 'A'));
    state.m_eventsData.assign(kEventsDataSize, 0xEE);  // a record that held something before
    rig.Build();
    EXPECT_EQ(state.m_installDir, rig.install.Str());
    EXPECT_EQ(state.m_eventsData[0], 'A');
    EXPECT_EQ(state.m_eventsData[99], 'A');
    for (std::size_t i = 100; i < kEventsDataSize; ++i) {
        ASSERT_EQ(state.m_eventsData[i], 0) << i;
    }
}

TEST_F(ViewConstruction, LongDatabankIsCutAtTheBufferSize) {
    std::string bytes(40000, 'B');
    bytes[kEventsDataSize - 1] = 'Y';
    bytes[kEventsDataSize] = 'Z';
    rig.install.Write("DATA/EVENTS.DAT", bytes);
    rig.Build();
    EXPECT_EQ(state.m_eventsData[kEventsDataSize - 1], 'Y');
    EXPECT_EQ(state.m_eventsData.size(), kEventsDataSize);
}

TEST_F(ViewConstruction, DirectoryNamesMatchWithoutRegardToCase) {
    std::filesystem::remove_all(rig.install.Path() / "DATA");
    rig.install.Write("data/EVENTS.dat", "1969\r\nMoon\r\n");
    rig.Build();
    EXPECT_EQ(state.m_eventsData[0], '1');
}

TEST_F(ViewConstruction, MissingDatabankFailsConstruction) {
    std::filesystem::remove(rig.install.Path() / "DATA" / "EVENTS.DAT");
    try {
        rig.Build();
        FAIL() << "construction should fail without a databank";
    } catch (const platform::FileException& error) {
        EXPECT_EQ(error.Path(), rig.install.Str() + "\\DATA\\EVENTS.DAT");
    }
}

TEST_F(ViewConstruction, StartingValuesReplaceWhatTheRecordHeld) {
    // A record that holds other values everywhere the constructor writes.
    TimeState& t = state.time;
    t.m_scene = 3;
    t.m_nowYear = 2040;
    t.m_nowMonth = 1;
    t.m_nowDay = 9;
    t.m_nowHour = 3;
    t.m_nowMinute = 33;
    t.m_travelSeconds = 1.0e10;
    t.m_speed = 42.0;
    t.m_yearStep = 1000;
    state.m_installDir = "elsewhere";
    state.m_eventsScroll = 7;
    state.m_firstPaint = 0;
    state.m_repaintFrame = 0;
    state.m_memDC = std::make_unique<platform::MemoryDc>();
    state.m_memDC->CreateCompatible();
    state.m_fontLarge = rig.fonts.CreateFont("Courier New", -9);
    state.m_fontMedium = rig.fonts.CreateFont("Courier New", -9);
    state.m_fontSmall = rig.fonts.CreateFont("Courier New", -9);

    rig.Build();
    EXPECT_EQ(state.m_installDir, rig.install.Str());
    EXPECT_EQ(t.m_scene, 8);
    // The clock of 2 July 1999, noon, until the first tick reads the real one.
    EXPECT_EQ(std::make_tuple(t.m_nowYear, t.m_nowMonth, t.m_nowDay, t.m_nowHour, t.m_nowMinute),
              std::make_tuple(std::int64_t{1999}, std::uint8_t{7}, std::uint8_t{2},
                              std::uint8_t{12}, std::uint8_t{0}));
    EXPECT_EQ(t.m_travelSeconds, 315360000000000000.0);
    EXPECT_EQ(t.m_speed, 0.0);
    EXPECT_EQ(t.m_yearStep, 1);
    EXPECT_EQ(state.m_eventsScroll, 100);
    EXPECT_EQ(state.m_firstPaint, 1);
    EXPECT_EQ(state.m_repaintFrame, 1);
    EXPECT_EQ(state.m_screenDC, &rig.host.screen);
    ASSERT_NE(state.m_memDC, nullptr);
    EXPECT_FALSE(state.m_memDC->IsCreated());  // a fresh context, made at the first paint
    EXPECT_NE(state.m_sceneInfo, nullptr);

    const struct {
        const std::unique_ptr<platform::Font>& font;
        const char* face;
        int height;
    } fonts[] = {{state.m_fontLarge, "Arial", -30},
                 {state.m_fontMedium, "Arial", -20},
                 {state.m_fontSmall, "Times New Roman", -15}};
    for (const auto& f : fonts) {
        ASSERT_NE(f.font, nullptr) << f.face << " " << f.height;
        EXPECT_EQ(f.font->Face(), f.face);
        EXPECT_EQ(f.font->Height(), f.height);
    }
}

TEST_F(ViewConstruction, DestructionLeavesNoContextBehind) {
    rig.install.Write("DATA/EVENTS.DAT", "x");
    rig.Build();
    ASSERT_NE(state.m_screenDC, nullptr);
    ASSERT_NE(state.m_memDC, nullptr);
    rig.view.reset();
    EXPECT_EQ(state.m_memDC, nullptr);
    EXPECT_EQ(state.m_screenDC, nullptr);  // the window's context goes with the window
    // Fonts, bitmaps and the databank stay with the record.
    EXPECT_NE(state.m_fontLarge, nullptr);
    EXPECT_FALSE(state.m_bmp189.IsNull());
    EXPECT_EQ(state.m_eventsData[0], 'x');
}

TEST_F(ViewConstruction, FirstPaintStartsTheTimerAndDrawsTheFrame) {
    rig.Build();
    rig.Paint();
    EXPECT_EQ(rig.host.timers.at(kTravelTimerId), 50);
    EXPECT_EQ(state.m_blankColour, platform::Rgb(212, 208, 200));
    EXPECT_EQ(state.m_firstPaint, 0);
    EXPECT_EQ(state.m_repaintFrame, 0);
    EXPECT_TRUE(state.m_memDC->IsCreated());
    EXPECT_TRUE(rig.ShowsImage(res::IDB_SPEED_SCALE, 70, 60));
    EXPECT_TRUE(orbtest::Filled(rig.host.frame, 0, 0, 70, 60, kBlack));
    // The black fill stops short of the last row, which the window never shows.
    EXPECT_TRUE(orbtest::Filled(rig.host.frame, 0, 599, 800, 1, platform::Rgb(212, 208, 200)));

    // A later paint over an erased top row repaints the whole frame.
    rig.host.timers.clear();
    platform::Dc(rig.host.frame).FillSolidRect(0, 0, 800, 1, platform::Rgb(212, 208, 200));
    rig.Paint();
    EXPECT_TRUE(orbtest::Filled(rig.host.frame, 0, 0, 799, 1, kBlack));
    EXPECT_TRUE(rig.host.timers.empty());  // only the first paint starts the timer
}

TEST_F(ViewConstruction, TimerTicksFollowTheClockAndRepaint) {
    rig.Build();
    rig.clock.Set(orbtest::At(2026, 12, 7, 21, 5, 0));
    rig.view->OnTimer(2);  // another timer only reads the clock
    EXPECT_EQ(state.time.m_nowYear, 2026);
    EXPECT_EQ(rig.host.invalidations, 0);
    rig.view->OnTimer(kTravelTimerId);
    EXPECT_EQ(rig.host.invalidations, 1);
    EXPECT_EQ(state.time.m_year, 2026);
    EXPECT_EQ(state.time.m_scene, 26);
    EXPECT_EQ(state.time.m_hour, 21);
}

}  // namespace
}  // namespace orb
