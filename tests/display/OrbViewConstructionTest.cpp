#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <tuple>

#include "display/COrbView.h"
#include "fakes/FakeViewHost.h"
#include "field/InstallPathField.h"
#include "platform/CreateFont.h"
#include "platform/FileException.h"
#include "platform/FixedClock.h"
#include "res/BitmapList.h"
#include "support/InstalledField.h"
#include "support/LocalTimeAt.h"
#include "support/TempDir.h"

namespace orb {
namespace {

class ViewConstruction : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_LE(install.Str().size(), kInstallPathCapacity);
        field.Set(install.Str());
    }

    std::unique_ptr<COrbView> Build() {
        return std::make_unique<COrbView>(*state, host, clock, field.bytes);
    }

    orbtest::TempDir install;
    orbtest::InstalledField field;
    std::unique_ptr<ViewState> state = std::make_unique<ViewState>();
    orbtest::FakeViewHost host;
    platform::FixedClock clock{platform::LocalTime{}};
};

TEST_F(ViewConstruction, ShortDatabankLeavesTheRestZero) {
    install.Write("DATA/EVENTS.DAT", std::string(100, 'A'));
    state->m_eventsData.fill(0xEE);  // a record that held something before
    auto view = Build();
    EXPECT_EQ(state->m_installDir, install.Str());
    EXPECT_EQ(state->m_eventsData[0], 'A');
    EXPECT_EQ(state->m_eventsData[99], 'A');
    for (std::size_t i = 100; i < kEventsDataSize; ++i) {
        ASSERT_EQ(state->m_eventsData[i], 0) << i;
    }
}

TEST_F(ViewConstruction, LongDatabankIsCutAtTheBufferSize) {
    std::string bytes(40000, 'B');
    bytes[kEventsDataSize - 1] = 'Y';
    bytes[kEventsDataSize] = 'Z';
    install.Write("DATA/EVENTS.DAT", bytes);
    auto view = Build();
    EXPECT_EQ(state->m_eventsData[kEventsDataSize - 1], 'Y');
    EXPECT_EQ(state->m_eventsData.size(), kEventsDataSize);
}

TEST_F(ViewConstruction, DirectoryNamesMatchWithoutRegardToCase) {
    install.Write("data/EVENTS.dat", "1969\r\nMoon\r\n");
    auto view = Build();
    EXPECT_EQ(state->m_eventsData[0], '1');
}

TEST_F(ViewConstruction, MissingDatabankFailsConstruction) {
    try {
        Build();
        FAIL() << "construction should fail without a databank";
    } catch (const platform::FileException& error) {
        EXPECT_EQ(error.Path(), install.Str() + "\\DATA\\EVENTS.DAT");
    }
}

TEST_F(ViewConstruction, StartingValuesReplaceWhatTheRecordHeld) {
    install.Write("DATA/EVENTS.DAT", "x");
    // A record that holds other values everywhere the constructor writes.
    TimeState& t = state->time;
    t.m_scene = 3;
    t.m_nowYear = 2040;
    t.m_nowMonth = 1;
    t.m_nowDay = 9;
    t.m_nowHour = 3;
    t.m_nowMinute = 33;
    t.m_travelSeconds = 1.0e10;
    t.m_speed = 42.0;
    t.m_yearStep = 1000;
    state->m_installDir = "elsewhere";
    state->m_eventsScroll = 7;
    state->m_firstPaint = 0;
    state->m_repaintFrame = 0;
    state->m_memDC = std::make_unique<platform::MemoryDc>();
    state->m_memDC->CreateCompatible();
    state->m_fontLarge = platform::CreateFont("Courier New", -9);
    state->m_fontMedium = platform::CreateFont("Courier New", -9);
    state->m_fontSmall = platform::CreateFont("Courier New", -9);

    auto view = Build();
    EXPECT_EQ(state->m_installDir, install.Str());
    EXPECT_EQ(t.m_scene, 8);
    // The clock of 2 July 1999, noon, until the first tick reads the real one.
    EXPECT_EQ(std::make_tuple(t.m_nowYear, t.m_nowMonth, t.m_nowDay, t.m_nowHour, t.m_nowMinute),
              std::make_tuple(std::int64_t{1999}, std::uint8_t{7}, std::uint8_t{2},
                              std::uint8_t{12}, std::uint8_t{0}));
    EXPECT_EQ(t.m_travelSeconds, 315360000000000000.0);
    EXPECT_EQ(t.m_speed, 0.0);
    EXPECT_EQ(t.m_yearStep, 1);
    EXPECT_EQ(state->m_eventsScroll, 100);
    EXPECT_EQ(state->m_firstPaint, 1);
    EXPECT_EQ(state->m_repaintFrame, 1);
    EXPECT_EQ(state->m_screenDC, &host.screen);
    ASSERT_NE(state->m_memDC, nullptr);
    EXPECT_FALSE(state->m_memDC->IsCreated());  // a fresh context, made at the first paint
    EXPECT_NE(state->m_sceneInfo, nullptr);

    const struct {
        const std::unique_ptr<platform::Font>& font;
        const char* face;
        int height;
    } fonts[] = {{state->m_fontLarge, "Arial", -30},
                 {state->m_fontMedium, "Arial", -20},
                 {state->m_fontSmall, "Times New Roman", -15}};
    for (const auto& f : fonts) {
        ASSERT_NE(f.font, nullptr) << f.face << " " << f.height;
        EXPECT_EQ(f.font->Face(), f.face);
        EXPECT_EQ(f.font->Height(), f.height);
    }
}

TEST_F(ViewConstruction, DestructionLeavesNoContextBehind) {
    install.Write("DATA/EVENTS.DAT", "x");
    auto view = Build();
    ASSERT_NE(state->m_screenDC, nullptr);
    ASSERT_NE(state->m_memDC, nullptr);
    view.reset();
    EXPECT_EQ(state->m_memDC, nullptr);
    EXPECT_EQ(state->m_screenDC, nullptr);  // the window's context goes with the window
    // Fonts, bitmaps and the databank stay with the record.
    EXPECT_NE(state->m_fontLarge, nullptr);
    EXPECT_FALSE(state->m_bmp189.IsNull());
    EXPECT_EQ(state->m_eventsData[0], 'x');
}

TEST_F(ViewConstruction, BitmapsLandInTheirSlots) {
    install.Write("DATA/EVENTS.DAT", "x");
    auto view = Build();
    EXPECT_TRUE(state->m_bmpMonth[0].IsNull());
    for (int month = 1; month <= 12; ++month) {
        EXPECT_EQ(state->m_bmpMonth[static_cast<std::size_t>(month)].ResourceId(), 174 + month);
    }
    for (int digit = 0; digit <= 9; ++digit) {
        EXPECT_EQ(state->m_bmpDigitLarge[static_cast<std::size_t>(digit)].ResourceId(),
                  165 + digit);
    }
    EXPECT_EQ(state->m_bmpDigitLarge[10].ResourceId(), 187);
    const int smallIds[10] = {119, 111, 112, 113, 114, 115, 116, 117, 118, 110};
    for (int digit = 0; digit <= 9; ++digit) {
        EXPECT_EQ(state->m_bmpDigitSmall[static_cast<std::size_t>(digit)].ResourceId(),
                  smallIds[digit]);
    }
    const struct {
        const platform::Bitmap& bitmap;
        int id;
    } singles[] = {{state->m_bmp303, 303}, {state->m_bmp189, 189}, {state->m_bmp302, 302},
                   {state->m_bmp301, 301}, {state->m_bmp306, 306}, {state->m_bmp191, 191},
                   {state->m_bmp190, 190}, {state->m_bmp104, 104}, {state->m_bmp105, 105},
                   {state->m_bmp106, 106}, {state->m_bmp108, 108}, {state->m_bmp109, 109},
                   {state->m_bmp132, 132}};
    for (const auto& single : singles) {
        EXPECT_EQ(single.bitmap.ResourceId(), single.id);
    }
}

TEST_F(ViewConstruction, FirstPaintStartsTheTimerAndDrawsTheFrame) {
    install.Write("DATA/EVENTS.DAT", "x");
    auto view = Build();
    platform::Dc dc(host.frame, host.stockFont.get());
    view->OnDraw(dc);
    EXPECT_EQ(host.timers.at(kTravelTimerId), 50);
    EXPECT_EQ(state->m_blankColour, platform::Rgb(212, 208, 200));
    EXPECT_EQ(state->m_firstPaint, 0);
    EXPECT_EQ(state->m_repaintFrame, 0);
    EXPECT_TRUE(state->m_memDC->IsCreated());
    // The speed scale sits at (70, 60); the rest of the top row is black.
    EXPECT_EQ(dc.GetPixel(70 + 40, 60 + 200),
              platform::FromPixel(state->m_bmp189.PixelAt(40, 200)));
    EXPECT_EQ(dc.GetPixel(10, 0), platform::Rgb(0, 0, 0));

    // A later paint over an erased top row repaints the whole frame.
    host.timers.clear();
    dc.FillSolidRect(0, 0, 800, 1, platform::Rgb(212, 208, 200));
    view->OnDraw(dc);
    EXPECT_EQ(dc.GetPixel(10, 0), platform::Rgb(0, 0, 0));
    EXPECT_TRUE(host.timers.empty());  // only the first paint starts the timer
}

TEST_F(ViewConstruction, TimerTicksFollowTheClockAndRepaint) {
    install.Write("DATA/EVENTS.DAT", "x");
    auto view = Build();
    clock.Set(orbtest::At(2026, 12, 7, 21, 5, 0));
    view->OnTimer(2);  // another timer only reads the clock
    EXPECT_EQ(state->time.m_nowYear, 2026);
    EXPECT_EQ(host.invalidations, 0);
    view->OnTimer(kTravelTimerId);
    EXPECT_EQ(host.invalidations, 1);
    EXPECT_EQ(state->time.m_year, 2026);
    EXPECT_EQ(state->time.m_scene, 26);
    EXPECT_EQ(state->time.m_hour, 21);
}

}  // namespace
}  // namespace orb
