// The browsing screen on the framebuffer, painted through the view: panels,
// buttons, the era label, the marks of the near future and the events list.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "display/Colours.h"
#include "display/TravelTimer.h"
#include "fakes/FakeBitmapSource.h"
#include "res/ResourceIds.h"
#include "support/ViewRig.h"

namespace orb {
namespace {

using orbtest::Filled;
using orbtest::ReadFakeText;
using orbtest::TextDraw;

// Seven events of 1969, with dates as long as a list shows them, and one forecast.
std::string Databank() {
    std::string records;
    for (int n = 1; n <= 7; ++n) {
        records += "September 30, 1969 AD\r\nEvent " + std::to_string(n) + "\r\n";
    }
    return records + "2050\r\n!Flying cars\r\n";
}

class BrowsingScreen : public ::testing::Test {
  protected:
    void SetUp() override {
        rig.install.Write("DATA/EVENTS.DAT", Databank());
        rig.WriteScene(8, 1, 10, 20, 30);
        rig.Build();
        rig.state->time.m_year = 1999;
        rig.state->time.m_scene = 8;
        rig.state->time.m_brightness = 256;
        rig.Paint();  // the first paint: frame, timer, the present
    }

    void Browse(std::int64_t year, std::int64_t step) {
        rig.state->time.m_year = year;
        rig.state->time.m_yearStep = step;
        rig.view->OnLButtonDown(380, 490);  // TIMELINE
        rig.draws.clear();
        rig.Paint();
    }

    // The draw of `text`, or null.
    const TextDraw* Drawn(const std::string& text) const {
        for (const TextDraw& d : rig.draws) {
            if (d.text == text) {
                return &d;
            }
        }
        return nullptr;
    }

    orbtest::ViewRig rig;
};

TEST_F(BrowsingScreen, PanelsButtonsAndTheStoppedTimer) {
    ASSERT_EQ(rig.host.timers.count(kTravelTimerId), 1u);
    Browse(1999, 1);
    // Below the label and the list, the panels as they were filled.
    EXPECT_TRUE(Filled(rig.host.frame, 130, 400, 650, 50, kPanelPurple));
    EXPECT_TRUE(Filled(rig.host.frame, 0, 400, 130, 50, kColumnBlue));
    // The fill stops short of the last column, which the window never shows.
    EXPECT_TRUE(Filled(rig.host.frame, 0, 450, 799, 10, kBlack));
    EXPECT_TRUE(Filled(rig.host.frame, 660, 460, 139, 60, kBlack));
    EXPECT_TRUE(rig.ShowsImage(res::IDB_STEP_BACK, 100, 460));
    EXPECT_TRUE(rig.ShowsImage(res::IDB_STEP_FORWARD, 300, 460));
    EXPECT_TRUE(rig.ShowsImage(res::IDB_ZOOM_NO_IN, 500, 460));  // no finer step than a year
    EXPECT_EQ(rig.host.timers.count(kTravelTimerId), 0u);
    EXPECT_EQ(rig.state->m_repaintBrowse, 0);
}

TEST_F(BrowsingScreen, ZoomFaceFollowsTheStep) {
    const struct {
        std::int64_t step;
        int face;
    } cases[] = {{1, res::IDB_ZOOM_NO_IN},
                 {10, res::IDB_ZOOM_BOTH},
                 {100000000, res::IDB_ZOOM_BOTH},
                 {1000000000, res::IDB_ZOOM_NO_OUT}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.step);
        Browse(1999, c.step);
        EXPECT_TRUE(rig.ShowsImage(c.face, 500, 460));
    }
}

// The label stands at (140, 10) in large Arial, yellow on the purple panel,
// whatever was under it.
TEST_F(BrowsingScreen, EraLabelInItsPlaceFaceAndColours) {
    Browse(1969, 10);
    rig.Smudge(130, 0, 320, 45);
    rig.draws.clear();
    rig.Paint();  // no refill: nothing asked for one
    const std::string label = "1960's AD    ";
    const TextDraw* drawn = Drawn(label);
    ASSERT_NE(drawn, nullptr);
    EXPECT_EQ(drawn->face, "Arial");
    EXPECT_EQ(drawn->height, -30);
    EXPECT_EQ(drawn->x, 140);
    EXPECT_EQ(drawn->y, 10);
    const int cell = 12;  // the fake font's cell at that height
    const int width = cell * static_cast<int>(label.size());
    EXPECT_EQ(ReadFakeText(rig.host.frame, 140, 10, cell, 13, kLabelYellow), label);
    EXPECT_TRUE(Filled(rig.host.frame, 140, 11, width, 29, kPanelPurple));
    EXPECT_TRUE(Filled(rig.host.frame, 130, 0, 10, 45, kWhite));  // left of the label
}

TEST_F(BrowsingScreen, TheNearFutureIsMarkedSpeculatedWithTheMeter) {
    Browse(2050, 1);
    const TextDraw* word = Drawn("SPECULATED");
    ASSERT_NE(word, nullptr);
    EXPECT_EQ(word->face, "Arial");
    EXPECT_EQ(word->height, -20);
    EXPECT_EQ(ReadFakeText(rig.host.frame, 0, 30, 8, 10, kMarkerRed), "SPECULATED");
    // The meter's top 80 rows, at the top of the panel.
    const auto meter = orbtest::FakeBitmapSource::PixelOf;
    const int id = res::IDB_PROBABILITY_METER;
    EXPECT_EQ(rig.host.frame.PixelAt(450, 0), meter(id, 0, 0));
    EXPECT_EQ(rig.host.frame.PixelAt(450 + 252, 79), meter(id, 252, 79));
    EXPECT_EQ(rig.host.frame.PixelAt(450, 80), platform::ToPixel(kPanelPurple));
    ASSERT_NE(Drawn("Flying cars"), nullptr);

    // Back in the past, without a refill of the panels, both are taken away.
    rig.state->time.m_year = 1999;
    rig.Paint();
    EXPECT_TRUE(Filled(rig.host.frame, 0, 30, 130, 30, kColumnBlue));
    EXPECT_TRUE(Filled(rig.host.frame, 450, 0, 253, 80, kPanelPurple));
}

// A click on the lower bar turns the page: the first page's six dates are
// overprinted with 21 blanks on column blue, then the seventh event is drawn.
TEST_F(BrowsingScreen, TurningThePageErasesThePreviousDates) {
    Browse(1969, 10);
    const std::string date = "September 30, 1969";
    ASSERT_EQ(ReadFakeText(rig.host.frame, 0, 345, 8, 18, kWhite), date);
    rig.view->OnLButtonDown(790, 300);
    rig.draws.clear();
    rig.Paint();
    for (int y = 145; y <= 345; y += 50) {
        SCOPED_TRACE(y);
        EXPECT_TRUE(Filled(rig.host.frame, 0, y, 21 * 8, 20, kColumnBlue));
    }
    EXPECT_EQ(ReadFakeText(rig.host.frame, 0, 95, 8, 18, kWhite), date);
    const TextDraw* seventh = Drawn("Event 7");
    ASSERT_NE(seventh, nullptr);
    EXPECT_EQ(seventh->y, 95);
}

TEST_F(BrowsingScreen, PanelsAreRefilledOnRequestOrWhenTheStepChanged) {
    Browse(1999, 1);
    rig.Smudge(300, 200, 10, 10);
    rig.Paint();  // nothing asked for: the panel keeps what is drawn on it
    EXPECT_TRUE(Filled(rig.host.frame, 300, 200, 10, 10, kWhite));

    rig.state->time.m_yearStep = 10;  // a zoom click changed the step
    rig.Paint();
    EXPECT_TRUE(Filled(rig.host.frame, 300, 200, 10, 10, kPanelPurple));

    rig.Smudge(300, 200, 10, 10);
    rig.state->m_drawnYearStep = 10;
    rig.state->m_repaintBrowse = 1;
    rig.Paint();
    EXPECT_TRUE(Filled(rig.host.frame, 300, 200, 10, 10, kPanelPurple));
}

TEST_F(BrowsingScreen, ReturningToTravelRedrawsTheFrame) {
    Browse(1999, 1);
    rig.view->OnLButtonDown(700, 300);  // anywhere else
    rig.Paint();
    EXPECT_TRUE(rig.ShowsImage(res::IDB_SPEED_SCALE, 70, 60));
    EXPECT_TRUE(rig.ShowsImage(res::IDB_TIMELINE, 300, 460));
    EXPECT_TRUE(Filled(rig.host.frame, 160, 65, 512, 320, platform::Rgb(10, 20, 30)));
    EXPECT_EQ(rig.host.timers.count(kTravelTimerId), 1u);
}

}  // namespace
}  // namespace orb
