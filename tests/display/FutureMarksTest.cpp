// The marks of the near future on the browsing screen: the word SPECULATED
// and the probability meter, drawn and taken away again.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "display/Colours.h"
#include "display/FutureMarks.h"
#include "display/ViewState.h"
#include "fakes/FakeFont.h"
#include "platform/Dc.h"
#include "platform/Framebuffer.h"
#include "platform/MemoryDc.h"
#include "support/FrameProbe.h"

namespace orb {
namespace {

using orbtest::Filled;

constexpr std::uint32_t kMeterPixel = 0xFF123456u;

class FutureMarks : public ::testing::Test {
  protected:
    void SetUp() override {
        s->m_fontMedium = std::make_unique<orbtest::FakeFont>("medium", -20, &draws);
        s->m_memDC = std::make_unique<platform::MemoryDc>();
        s->m_memDC->CreateCompatible();
        std::vector<std::uint32_t> meter(std::size_t{253} * 127, kMeterPixel);
        s->m_bmp132 = platform::Bitmap(253, 127, std::move(meter), 24, 132);
        s->time.m_nowYear = 2026;
    }

    void MarkFuture(std::int64_t year, std::int64_t step) {
        s->time.m_year = year;
        s->time.m_yearStep = step;
        draws.clear();
        DrawFutureMarks(*s, dc);
    }

    void Smudge(int x, int y, int width, int height) {
        platform::Dc(frame).FillSolidRect(x, y, width, height, kWhite);
    }

    std::vector<orbtest::TextDraw> draws;
    std::unique_ptr<ViewState> s = std::make_unique<ViewState>();
    platform::Framebuffer frame{kPanelPurple};
    platform::Dc dc{frame};
};

// The near future is counted from the clock's year: a stretch the label
// names that reaches beyond it and starts below 10,000, at steps below 10,000.
TEST(FutureMarksShown, TheNearFutureCountsFromThePresentYear) {
    const struct {
        std::int64_t year, step, present;
        bool shown;
    } cases[] = {
        {2001, 1, 2026, false},      // the attacks: the past now
        {2004, 1, 2026, false},      // the tsunami
        {2026, 1, 2026, false},      // the present year itself
        {2027, 1, 2026, true},       // next year
        {2021, 10, 2026, true},      // the 2020's reach beyond 2026
        {2015, 10, 2026, false},     // the 2010's do not
        {2026, 100, 2026, true},     // the 21st century
        {1950, 100, 2026, false},    // the 20th
        {2500, 1000, 2026, true},    // the 3rd millennium
        {1500, 1000, 2026, false},   // the 2nd
        {9999, 1000, 2026, true},    // the 10th millennium starts at 9000
        {10000, 1000, 2026, false},  // the 11th starts at 10,000
        {9999, 1, 2026, true},      {10000, 1, 2026, false},
        {2050, 9999, 2026, true},  // read as a step of 1,000
        {2050, 10000, 2026, false}, {-2050, 1, 2026, false},
        {2000, 1, 1999, true},  // at the clock the program was first written for
        {1999, 1, 1999, false},     {1995, 10, 1999, false},
        {9995, 10, 9999, false},  // a present at the end of the near future
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.year << " at " << c.step << " in " << c.present);
        EXPECT_EQ(FutureMarksShown(c.year, c.step, c.present), c.shown);
    }
}

TEST_F(FutureMarks, DrawnThenErasedWithTheMeter) {
    MarkFuture(2050, 1);
    ASSERT_EQ(draws.size(), 1u);
    EXPECT_EQ(draws[0].text, "SPECULATED");
    EXPECT_EQ(draws[0].face, "medium");
    EXPECT_EQ(draws[0].x, 0);
    EXPECT_EQ(draws[0].y, 30);
    EXPECT_EQ(draws[0].colour, kMarkerRed);
    EXPECT_TRUE(Filled(frame, 1, 31, 79, 19, kPanelPurple));  // the word's cells
    EXPECT_EQ(frame.PixelAt(450, 0), kMeterPixel);
    EXPECT_EQ(frame.PixelAt(702, 79), kMeterPixel);
    EXPECT_EQ(frame.PixelAt(450, 80), platform::ToPixel(kPanelPurple));  // top 80 rows only
    EXPECT_EQ(s->m_meterShown, 1);
    EXPECT_EQ(dc.TextColor(), kLabelYellow);

    Smudge(703, 0, 1, 80);   // just right of the meter
    Smudge(0, 60, 131, 1);   // just below the word's place
    Smudge(130, 30, 1, 30);  // just right of it
    MarkFuture(1999, 1);
    EXPECT_TRUE(Filled(frame, 0, 60, 131, 1, kWhite));
    EXPECT_TRUE(Filled(frame, 130, 30, 1, 30, kWhite));
    EXPECT_TRUE(draws.empty());
    EXPECT_TRUE(Filled(frame, 703, 0, 1, 80, kWhite));
    EXPECT_TRUE(Filled(frame, 0, 30, 130, 30, kColumnBlue));
    EXPECT_TRUE(Filled(frame, 450, 0, 253, 80, kPanelPurple));
    EXPECT_EQ(s->m_meterShown, 0);
    EXPECT_EQ(dc.TextColor(), kLabelYellow);
    EXPECT_EQ(dc.BkColor(), kPanelPurple);

    // Without the meter on screen, its place is left alone.
    Smudge(450, 0, 10, 10);
    MarkFuture(1999, 1);
    EXPECT_TRUE(Filled(frame, 450, 0, 10, 10, kWhite));
}

}  // namespace
}  // namespace orb
