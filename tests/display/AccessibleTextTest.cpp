// What the view says to assistive technology: the moment and the speed on
// the travel screen, the label and the page of events on the browsing screen.
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "display/AccessibleText.h"
#include "display/TimeState.h"
#include "display/ViewState.h"
#include "support/ViewRig.h"

namespace orb {
namespace {

TEST(MomentInWords, DayMonthYearEraAndTheClockWhenItShows) {
    const struct {
        std::int64_t year;
        int month, day, hour, minute;
        bool clockOn;
        const char* words;
    } cases[] = {
        {2026, 12, 8, 15, 7, true, "8 December 2026 AD, 15:07"},
        {2026, 12, 8, 15, 7, false, "8 December 2026 AD"},
        {-44, 3, 15, 14, 30, true, "15 March 44 BC, 14:30"},
        {1, 1, 1, 0, 0, true, "1 January 1 AD, 00:00"},
        {-1, 6, 30, 23, 59, true, "30 June 1 BC, 23:59"},
        {9999, 1, 1, 0, 5, true, "1 January 9999 AD, 00:05"},
        {-9999, 2, 28, 9, 9, true, "28 February 9999 BC, 09:09"},
        // From 10,000 on the date row holds the year alone, and the clock is dark.
        {10000, 5, 5, 12, 0, true, "the year 10,000 AD"},
        {-10000, 5, 5, 12, 0, true, "the year 10,000 BC"},
        {-150000000, 6, 1, 11, 0, true, "the year 150,000,000 BC"},
        {15000000000, 7, 2, 12, 0, true, "the year 15,000,000,000 AD"},
        {-15000000000, 7, 2, 12, 0, true, "the year 15,000,000,000 BC"},
    };
    for (const auto& c : cases) {
        TimeState t;
        t.m_year = c.year;
        t.m_month = c.month;
        t.m_day = c.day;
        t.m_hour = c.hour;
        t.m_minute = c.minute;
        EXPECT_EQ(MomentInWords(t, c.clockOn), c.words);
    }
}

// Seconds per tick at twenty ticks a second, worked out by hand.
TEST(SpeedInWords, TimePerRealSecondInTheLargestWholeUnit) {
    const struct {
        double secondsPerTick;
        const char* words;
    } cases[] = {
        {0.0, "stopped"},
        {-0.0, "stopped"},
        {std::numeric_limits<double>::quiet_NaN(), "stopped"},
        {0.25524396303307506, "5.1 seconds per second forward"},  // next to the band
        {3.0, "1 minute per second forward"},
        {-4320.0, "1 day per second backward"},
        {270.0, "1.5 hours per second forward"},
        {29.88, "10 minutes per second forward"},  // 9.96 minutes, read as 10
        {1576800.0, "1 year per second forward"},
        {1.89216e10, "12,000 years per second forward"},
        {1.5768e12, "1 million years per second forward"},
        {1213184969099635.2, "769 million years per second forward"},  // the strip's end
        {-3.1536e15, "2 billion years per second backward"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SpeedInWords(c.secondsPerTick), c.words) << c.secondsPerTick;
    }
}

TEST(EventsInWords, ThePageWithItsDatesAndWhatLiesBeyondIt) {
    const std::vector<ListedEvent> attacks = {
        {"11 SEP", "Terrorist attacks on New York and Washington"}};
    const std::vector<ListedEvent> two = {{"20 JUL", "Moon landing"}, {"1969", "Woodstock!"}};
    EXPECT_EQ(EventsInWords({}, false, false), "No events found.");
    EXPECT_EQ(EventsInWords(attacks, false, false),
              "11 SEP: Terrorist attacks on New York and Washington.");
    EXPECT_EQ(EventsInWords(attacks, false, true),
              "11 SEP: Terrorist attacks on New York and Washington. More events below.");
    EXPECT_EQ(EventsInWords(two, true, false),
              "More events above. 20 JUL: Moon landing. 1969: Woodstock!");
    EXPECT_EQ(EventsInWords({}, true, false), "More events above.");
}

// The view's own words: the travel screen's moment and speed, and the page
// the browsing screen lists, shade marks left out.
TEST(DescribeView, SaysWhatEachScreenShows) {
    orbtest::ViewRig rig;
    rig.install.Write("DATA/EVENTS.DAT",
                      "20 JUL 1969 AD\r\n!Moon landing\r\n15 AUG 1969 AD\r\nWoodstock\r\n");
    rig.Build();
    ViewState& s = *rig.state;
    s.time.m_year = 1969;
    s.time.m_month = 7;
    s.time.m_day = 20;
    s.time.m_hour = 2;
    s.time.m_minute = 56;
    s.time.m_speed = -4320.0;
    s.m_showClock = 1;
    ViewWords words = DescribeView(s);
    EXPECT_EQ(words.name, "20 July 1969 AD, 02:56");
    EXPECT_EQ(words.value, "1 day per second backward");

    s.time.m_browseMode = kBrowsingMode;
    s.time.m_yearStep = 1;
    s.m_eventsScroll = 20;
    rig.Paint();
    words = DescribeView(s);
    EXPECT_EQ(words.name, "1969 AD");
    EXPECT_EQ(words.value, "20 JUL: Moon landing. 15 AUG: Woodstock.");

    s.time.m_year = 1970;
    rig.Paint();
    EXPECT_EQ(DescribeView(s).value, "No events found.");
}

}  // namespace
}  // namespace orb
