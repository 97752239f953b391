// The events list, drawn with fonts that record what they draw, on a real
// framebuffer.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "display/Colours.h"
#include "display/EventsPanel.h"
#include "display/ViewState.h"
#include "fakes/FakeFont.h"
#include "platform/Dc.h"
#include "platform/Framebuffer.h"
#include "platform/MemoryDc.h"
#include "support/FrameProbe.h"

namespace orb {
namespace {

using orbtest::Filled;
using orbtest::TextDraw;

class EventsPanel : public ::testing::Test {
  protected:
    void SetUp() override {
        // Cells of 6 x 15, 8 x 20 and 12 x 30.
        s->m_fontSmall = std::make_unique<orbtest::FakeFont>("small", -15, &draws);
        s->m_fontMedium = std::make_unique<orbtest::FakeFont>("medium", -20, &draws);
        s->m_fontLarge = std::make_unique<orbtest::FakeFont>("large", -30, &draws);
        s->m_memDC = std::make_unique<platform::MemoryDc>();
        s->m_memDC->CreateCompatible();
        s->m_eventsScroll = 20;
    }

    void Databank(const std::string& records) {
        s->m_eventsData.assign(kEventsDataSize, 0);
        std::copy(records.begin(), records.end(), s->m_eventsData.begin());
    }

    void Paint(std::int64_t year, std::int64_t step) {
        s->time.m_year = year;
        s->time.m_yearStep = step;
        draws.clear();
        DrawEventsList(*s, dc);
    }

    // The draws other than the erasing blanks.
    std::vector<TextDraw> Shown() const {
        std::vector<TextDraw> shown;
        std::copy_if(draws.begin(), draws.end(), std::back_inserter(shown), [](const TextDraw& d) {
            return d.text.find_first_not_of(' ') != std::string::npos;
        });
        return shown;
    }

    std::vector<TextDraw> draws;
    std::unique_ptr<ViewState> s = std::make_unique<ViewState>();
    platform::Framebuffer frame{kPanelPurple};
    platform::Dc dc{frame};
};

// n records of 1 January 1969 AD, texts "Event 1".. in file order.
std::string Records1969(int n) {
    std::string records;
    for (int i = 1; i <= n; ++i) {
        records += "1 JAN 1969 AD\r\nEvent " + std::to_string(i) + "\r\n";
    }
    return records;
}

bool SameDraw(const TextDraw& d, const char* face, const std::string& text, int x, int y,
              platform::ColorRef colour) {
    return d.face == face && d.text == text && d.x == x && d.y == y && d.colour == colour;
}

TEST_F(EventsPanel, DateAndTextOfAnEventAtStepOneAndStepTen) {
    Databank("20 JUL 1969 AD\r\nMoon landing\r\nJuly 20, 1969 AD\r\nOnce more\r\n");
    Paint(1969, 1);
    std::vector<TextDraw> shown = Shown();
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_TRUE(SameDraw(shown[0], "small", "Moon landing", 140, 95, kLabelYellow));
    EXPECT_TRUE(SameDraw(shown[1], "medium", "20 JUL", 0, 95, kWhite));
    EXPECT_TRUE(SameDraw(shown[3], "medium", "July 20", 0, 145, kWhite));  // comma dropped
    // The date's cells are column blue, the text's panel purple.
    // (The rows of ink are the recording font's: one in the medium font's
    // wide cells, two in the small font's.)
    EXPECT_TRUE(Filled(frame, 0, 96, 48, 19, kColumnBlue));
    EXPECT_TRUE(Filled(frame, 140, 97, 72, 13, kPanelPurple));
    EXPECT_EQ(frame.PixelAt(140, 95), platform::ToPixel(kLabelYellow));
    EXPECT_EQ(frame.PixelAt(0, 95), platform::ToPixel(kWhite));

    // Only a comma before the year: no date at all, not the comma.
    Databank(",,1969\r\nCommas\r\n");
    Paint(1969, 1);
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_EQ(Shown()[0].text, "Commas");

    Databank("20 JUL 1969 AD\r\nMoon landing\r\nJuly 20, 1969 AD\r\nOnce more\r\n");
    Paint(1969, 10);  // 1960's AD
    shown = Shown();
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_EQ(shown[1].text, "20 JUL 1969");
    EXPECT_EQ(shown[3].text, "July 20, 1969");
}

TEST_F(EventsPanel, MatchesByStepAndSideOfChrist) {
    Databank(
        "1969\r\nBare year\r\n65 Mya\r\nImpact\r\n3 BC\r\nBC three\r\n5 AD\r\nAD five\r\n"
        "9 BC\r\nBC nine\r\n");
    Paint(1969, 1);
    EXPECT_EQ(Shown()[0].text, "Bare year");
    Paint(-65000000, 1000000);
    ASSERT_EQ(Shown().size(), 2u);
    EXPECT_EQ(Shown()[1].text, "65 Mya");  // a Mya date keeps its unit
    Paint(-5, 10);                         // the decade of 1 BC to 9 BC
    std::vector<std::string> texts;
    for (const TextDraw& d : Shown()) {
        texts.push_back(d.text);
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"BC three", "3", "BC nine", "9"}));
    Paint(5, 10);
    EXPECT_EQ(Shown()[0].text, "AD five");
    EXPECT_EQ(Shown().size(), 2u);
}

TEST_F(EventsPanel, SevenEventsMakeTwoPages) {
    Databank(Records1969(7));
    Paint(1969, 1);
    const std::vector<TextDraw> shown = Shown();
    ASSERT_EQ(shown.size(), 12u);  // six events: text and date each
    for (int n = 0; n < 6; ++n) {
        EXPECT_EQ(shown[static_cast<std::size_t>(2 * n)].y, 95 + 50 * n);
    }
    EXPECT_EQ(s->m_eventLines, 6);
    EXPECT_EQ(s->m_moreBelow, 1);
    EXPECT_EQ(s->m_moreAbove, 0);
    EXPECT_TRUE(Filled(frame, 780, 230, 19, 220, kBarLit));
    EXPECT_TRUE(Filled(frame, 780, 0, 19, 220, kBarDark));

    s->m_eventsScroll -= 300;  // a click on the lower bar
    Paint(1969, 1);
    ASSERT_EQ(Shown().size(), 2u);
    EXPECT_TRUE(SameDraw(Shown()[0], "small", "Event 7", 140, 95, kLabelYellow));
    EXPECT_EQ(s->m_moreAbove, 1);
    EXPECT_EQ(s->m_moreBelow, 0);
    EXPECT_TRUE(Filled(frame, 780, 0, 19, 220, kBarLit));
    EXPECT_TRUE(Filled(frame, 780, 230, 19, 220, kBarDark));
    // The first page's six lines were overprinted with blanks at their places.
    int erased = 0;
    for (const TextDraw& d : draws) {
        erased += d.text == std::string(159, ' ') ? 1 : 0;
    }
    EXPECT_EQ(erased, 12);
}

TEST_F(EventsPanel, SixEventsLightTheLowerBarAndLeaveAnEmptyPage) {
    Databank(Records1969(6));
    Paint(1969, 1);
    EXPECT_EQ(s->m_moreBelow, 1);
    s->m_eventsScroll -= 300;
    Paint(1969, 1);
    EXPECT_TRUE(Shown().empty());  // no "NO EVENTS FOUND": the events lie above
    EXPECT_EQ(s->m_moreAbove, 1);
    EXPECT_EQ(s->m_eventLines, 0);
}

TEST_F(EventsPanel, TheStartingScrollShowsFourEvents) {
    Databank(Records1969(7));
    s->m_eventsScroll = 100;  // as the view starts
    Paint(1969, 1);
    EXPECT_EQ(Shown().size(), 8u);
    EXPECT_EQ(Shown()[0].y, 175);
    EXPECT_EQ(s->m_moreBelow, 1);
}

TEST_F(EventsPanel, NoEventsFoundAndItsErasure) {
    Databank(Records1969(1));
    Paint(2000, 1);
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_TRUE(SameDraw(Shown()[0], "medium", "NO EVENTS FOUND", 140, 95, kWhite));
    Paint(1969, 1);
    EXPECT_TRUE(SameDraw(draws[0], "medium", std::string(42, ' '), 140, 95, kLabelYellow));
}

TEST_F(EventsPanel, MarkersShadeTheTextAndAreNotShown) {
    const char markers[] = "!@#$%&";
    const platform::ColorRef shades[] = {platform::Rgb(224, 224, 0), platform::Rgb(192, 192, 0),
                                         platform::Rgb(160, 160, 0), platform::Rgb(128, 128, 0),
                                         platform::Rgb(104, 104, 0), platform::Rgb(88, 88, 0)};
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(markers[i]);
        Databank(std::string("1969\r\n") + markers[i] + "Maybe\r\n");
        Paint(1969, 1);
        ASSERT_FALSE(Shown().empty());
        EXPECT_TRUE(SameDraw(Shown()[0], "small", "Maybe", 140, 95, shades[i]));
    }
}

// UTF-8 texts reach the framebuffer as their letters, a cell each; a byte
// that is not UTF-8 shows as U+FFFD.
TEST_F(EventsPanel, Utf8TextsAreDrawnAsTheirLetters) {
    const std::string text =
        "Bol\xc3\xadvar \xe2\x80\x94 \xe2\x80\x9cLibertador\xe2\x80\x9d, Espa\xc3\xb1"
        "a, K\xc3\xb6ln";
    Databank("1819\n" + text + "\n1820\nCaf\xe9 x\n");
    Paint(1819, 1);
    const int cell = 6;  // the small font's cells
    EXPECT_EQ(orbtest::ReadFakeText(frame, 140, 95, cell, 36, kLabelYellow), text);
    Paint(1820, 1);
    EXPECT_EQ(orbtest::ReadFakeText(frame, 140, 95, cell, 6, kLabelYellow), "Caf\xef\xbf\xbd x");
}

// The limit counts characters: 99 two-byte letters stay on one line; a
// break never falls inside a character.
TEST_F(EventsPanel, LongTextsCountCharactersNotBytes) {
    std::string short99;
    for (int i = 0; i < 99; ++i) {
        short99 += "\xc3\xb1";  // ñ
    }
    Databank("1969\n" + short99 + "\n");
    Paint(1969, 1);
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_EQ(Shown()[0].text, short99);

    std::string dashes;  // 120 dashes of three bytes, a blank after the 90th
    for (int i = 0; i < 120; ++i) {
        dashes += i == 90 ? " " : "\xe2\x80\x94";
    }
    Databank("1969\n" + dashes + "\n");
    Paint(1969, 1);
    ASSERT_EQ(Shown().size(), 2u);
    EXPECT_EQ(Shown()[0].text, dashes.substr(0, 3 * 90));
    EXPECT_EQ(Shown()[1].text, dashes.substr(3 * 90 + 1));

    std::string unbroken;  // no blank: cut after the 100th character
    for (int i = 0; i < 110; ++i) {
        unbroken += "\xc3\xb6";  // ö
    }
    Databank("1969\n" + unbroken + "\n");
    Paint(1969, 1);
    ASSERT_EQ(Shown().size(), 2u);
    EXPECT_EQ(Shown()[0].text, unbroken.substr(0, 200));
    EXPECT_EQ(Shown()[1].text, unbroken.substr(200));
}

TEST_F(EventsPanel, LongTextsBreakAtTheLastBlankBeforeIndex101) {
    std::string text(150, 'w');
    text[97] = ' ';
    text[40] = ' ';
    // Bare years: at step 1 no date is shown beside the text.
    Databank("1969\r\n" + text + "\r\n1969\r\n&" + text.substr(1) + "\r\n");
    Paint(1969, 1);
    const std::vector<TextDraw> shown = Shown();
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_TRUE(SameDraw(shown[0], "small", text.substr(0, 97), 140, 95, kLabelYellow));
    EXPECT_TRUE(SameDraw(shown[1], "small", text.substr(98), 140, 115, kLabelYellow));
    EXPECT_EQ(shown[2].text, text.substr(1, 96));  // behind a marker
    EXPECT_EQ(shown[2].colour, platform::Rgb(88, 88, 0));
    EXPECT_TRUE(SameDraw(shown[3], "small", text.substr(98), 140, 165, platform::Rgb(88, 88, 0)));

    text[100] = ' ';  // a blank at index 100 itself wins
    Databank("1969\r\n" + text + "\r\n");
    Paint(1969, 1);
    EXPECT_EQ(Shown()[0].text, text.substr(0, 100));
    EXPECT_EQ(Shown()[1].text, text.substr(101));

    const std::string unbroken(120, 'u');  // no blank at all: broken at index 100
    Databank("1969\r\n" + unbroken + "\r\n");
    Paint(1969, 1);
    EXPECT_EQ(Shown()[0].text, std::string(100, 'u'));
    EXPECT_EQ(Shown()[1].text, std::string(20, 'u'));

    Databank("1969\r\n" + std::string(99, 'v') + "\r\n");  // short enough for one line
    Paint(1969, 1);
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_EQ(Shown()[0].text, std::string(99, 'v'));
}

TEST_F(EventsPanel, RecordsWithoutAUsableYearNeverMatch) {
    Databank(
        "1969\r\nFirst\r\nSomeday?\r\nNo year\r\n99999999999999999999 AD\r\nToo long\r\n"
        "AD\r\nNo digits\r\n");
    Paint(1969, 1);
    ASSERT_EQ(Shown().size(), 1u);  // only "First", its bare year not repeated
    EXPECT_EQ(Shown()[0].text, "First");
    Paint(1969, 1000000000);  // the whole billion years after Christ
    ASSERT_EQ(Shown().size(), 2u);
    EXPECT_EQ(Shown()[1].text, "1969");
}

}  // namespace
}  // namespace orb
