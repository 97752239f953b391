#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "display/Calendar.h"
#include "display/TimeModel.h"
#include "platform/FixedClock.h"
#include "support/LocalTimeAt.h"

namespace orb {
namespace {

using orbtest::At;

TimeState Derived(const platform::LocalTime& now, double moment) {
    TimeState t;
    SnapshotClock(t, platform::FixedClock(now));
    t.m_travelSeconds = moment;
    DeriveMoment(t);
    return t;
}

struct PresentCase {
    platform::LocalTime now;
    int month, day;  // as the 365-day calendar shows them
};

class PresentTest : public ::testing::TestWithParam<PresentCase> {};

TEST_P(PresentTest, ShowsTheRealDateHourAndMinute) {
    const PresentCase& c = GetParam();
    const TimeState t = Derived(c.now, kPresentSeconds);
    EXPECT_EQ(t.m_year, c.now.year);
    EXPECT_EQ(t.m_month, c.month);
    EXPECT_EQ(t.m_day, c.day);
    EXPECT_EQ(t.m_hour, c.now.hour);
    EXPECT_EQ(t.m_minute, c.now.minute);
    EXPECT_EQ(t.m_elapsedYears, 10000000000);
    EXPECT_GE(t.m_secondOfDay, 0);
    EXPECT_LT(t.m_secondOfDay, 86400);
}

INSTANTIATE_TEST_SUITE_P(Clock, PresentTest,
                         ::testing::Values(PresentCase{At(2026, 12, 7, 20, 58, 13), 12, 7},
                                           PresentCase{At(2026, 1, 1, 0, 0, 0), 1, 1},
                                           PresentCase{At(2025, 12, 31, 23, 59, 59), 12, 31},
                                           PresentCase{At(2024, 2, 28, 12, 0, 30), 2, 28},
                                           // No 29 February: day 60 of the year is 1 March.
                                           PresentCase{At(2024, 2, 29, 6, 15, 0), 3, 1},
                                           PresentCase{At(2024, 3, 1, 6, 15, 0), 3, 1},
                                           PresentCase{At(1999, 7, 2, 12, 0, 0), 7, 2},
                                           PresentCase{At(2000, 6, 30, 23, 0, 59), 6, 30}));

TEST(TimeModel, ClockFollowsRealTimeAtSpeedZero) {
    TimeState t = Derived(At(2026, 5, 4, 9, 59, 58), kPresentSeconds);
    EXPECT_EQ(t.m_hour, 9);
    EXPECT_EQ(t.m_minute, 59);
    SnapshotClock(t, platform::FixedClock(At(2026, 5, 4, 10, 0, 1)));
    DeriveMoment(t);
    EXPECT_EQ(t.m_hour, 10);
    EXPECT_EQ(t.m_minute, 0);
    EXPECT_EQ(t.m_day, 4);
}

TEST(TimeModel, InternalYearZeroShowsAsOneBC) {
    TimeState t = Derived(At(2026, 6, 1, 12, 0, 0), kPresentSeconds);
    SetMomentFromCalendar(t, 0, 6, 1, 12, 0);
    DeriveMoment(t);
    EXPECT_EQ(t.m_year, -1);
    SetMomentFromCalendar(t, 1, 6, 1, 12, 0);
    DeriveMoment(t);
    EXPECT_EQ(t.m_year, 1);
    SetMomentFromCalendar(t, -4, 6, 1, 12, 0);  // 5 BC
    DeriveMoment(t);
    EXPECT_EQ(t.m_year, -5);
    EXPECT_EQ(DisplayedYear(0), -1);
    EXPECT_EQ(DisplayedYear(-4), -5);
    EXPECT_EQ(DisplayedYear(7), 7);
}

struct CalendarCase {
    std::int64_t internalYear;
    int month, day, hour, minute;
    std::int64_t year;  // displayed
    int shownMonth, shownDay;
};

class SetMomentTest : public ::testing::TestWithParam<CalendarCase> {};

TEST_P(SetMomentTest, LandsOnTheDate) {
    const CalendarCase& c = GetParam();
    TimeState t = Derived(At(2026, 12, 7, 20, 58, 30), kPresentSeconds);
    SetMomentFromCalendar(t, c.internalYear, c.month, c.day, c.hour, c.minute);
    DeriveMoment(t);
    EXPECT_EQ(t.m_year, c.year);
    EXPECT_EQ(t.m_month, c.shownMonth);
    EXPECT_EQ(t.m_day, c.shownDay);
    EXPECT_EQ(t.m_hour, c.hour);
    // The double's spacing (64 s near now, 128 s in the far future) can move
    // the shown second, and so the minute, by at most one.
    EXPECT_LE(std::abs(t.m_minute - c.minute), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Dates, SetMomentTest,
    ::testing::Values(CalendarCase{1969, 7, 20, 20, 17, 1969, 7, 20},
                      CalendarCase{2026, 12, 7, 20, 58, 2026, 12, 7},
                      CalendarCase{1, 1, 1, 12, 0, 1, 1, 1},
                      CalendarCase{0, 12, 31, 12, 30, -1, 12, 31},
                      // Day 31 is taken for every month and spills into the next.
                      CalendarCase{2000, 4, 31, 12, 0, 2000, 5, 1},
                      CalendarCase{2000, 2, 31, 12, 0, 2000, 3, 3},
                      CalendarCase{1 - 65000000, 6, 15, 12, 0, -65000000, 6, 15},
                      CalendarCase{1 - 13800000000, 1, 1, 12, 0, -13800000000, 1, 1},
                      CalendarCase{15000000000, 12, 31, 12, 0, 15000000000, 12, 31},
                      CalendarCase{1 - 15000000000, 1, 1, 12, 0, -15000000000, 1, 1}));

// Near the travel epoch a double holds every whole second, so the moment can
// be checked exactly: the real clock's second must not enter it.
struct EpochCase {
    std::int64_t internalYear;
    int month, day, hour, minute;
    double seconds;  // from the epoch, counted by hand
};

class SetMomentNearEpochTest : public ::testing::TestWithParam<EpochCase> {};

TEST_P(SetMomentNearEpochTest, IsExact) {
    const EpochCase& c = GetParam();
    // The epoch is 7 DEC 20:58 of the year 2026 - 10,000,000,000 (internal),
    // 30 seconds into that minute by the real clock.
    TimeState t = Derived(At(2026, 12, 7, 20, 58, 30), kPresentSeconds);
    SetMomentFromCalendar(t, c.internalYear, c.month, c.day, c.hour, c.minute);
    EXPECT_EQ(t.m_travelSeconds, c.seconds);
}

constexpr std::int64_t kEpochYear = 2026 - 10000000000;

INSTANTIATE_TEST_SUITE_P(
    Epoch, SetMomentNearEpochTest,
    ::testing::Values(EpochCase{kEpochYear, 12, 7, 20, 58, 0.0},
                      EpochCase{kEpochYear, 12, 7, 20, 59, 60.0},
                      EpochCase{kEpochYear, 12, 7, 21, 0, 120.0},
                      EpochCase{kEpochYear, 12, 8, 0, 0, 3 * 3600.0 + 120.0},
                      EpochCase{kEpochYear, 12, 7, 19, 58, -3600.0},
                      // 7 DEC is day 341 of 365 and 5 MAR day 64: 24 + 64
                      // days, less 13 h 49 min.
                      EpochCase{kEpochYear + 1, 3, 5, 7, 9, 88 * 86400.0 - 13 * 3600.0 - 49 * 60.0},
                      // Day 31 of APR is 1 MAY: 24 + 121 days.
                      EpochCase{kEpochYear + 1, 4, 31, 20, 58, 145 * 86400.0},
                      // A year before: 365 days and one hour less.
                      EpochCase{kEpochYear - 1, 12, 7, 19, 58, -365 * 86400.0 - 3600.0}));

TEST(TimeModel, AutopilotEntryOf65MyaIsTheImpactScene) {
    TimeState t = Derived(At(2026, 1, 10, 10, 0, 0), kPresentSeconds);
    SetMomentFromCalendar(t, 1 - 65 * std::int64_t{1000000}, 1, 10, 10, 0);
    DeriveMoment(t);
    EXPECT_EQ(t.m_year, -65000000);
    EXPECT_EQ(t.m_scene, 11);
    EXPECT_EQ(t.m_steadyLight, 1);
}

struct StepCase {
    std::int64_t year, step;
    int direction;
    bool moves;
    std::int64_t yearAfter;
};

class StepTest : public ::testing::TestWithParam<StepCase> {};

TEST_P(StepTest, MovesWithinTheBoundsOnly) {
    const StepCase& c = GetParam();
    TimeState t;
    t.m_year = c.year;
    t.m_yearStep = c.step;
    t.m_travelSeconds = 1.0e17;
    const double before = t.m_travelSeconds;
    EXPECT_EQ(StepYears(t, c.direction), c.moves);
    EXPECT_EQ(t.m_year, c.yearAfter);
    const double expected =
        c.moves ? before + c.direction * static_cast<double>(c.step * kSecondsPerYear) : before;
    EXPECT_EQ(t.m_travelSeconds, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Bounds, StepTest,
    ::testing::Values(StepCase{-14500000000, 1000000000, -1, false, -14500000000},
                      StepCase{-14900000000, 100000000, -1, true, -15000000000},
                      StepCase{-14999999990, 10, -1, true, -15000000000},
                      StepCase{-14999999990, 100, -1, false, -14999999990},
                      StepCase{14999999999, 1, 1, true, 15000000000},
                      StepCase{15000000000, 1, 1, false, 15000000000},
                      StepCase{14500000000, 1000000000, 1, false, 14500000000},
                      StepCase{1999, 10, 1, true, 2009},
                      // The year-0 rule is not applied to a stepped year.
                      StepCase{1, 1, -1, true, 0}));

TEST(TimeModel, StepMovesTheDerivedYearByTheStep) {
    TimeState t = Derived(At(2026, 7, 1, 12, 0, 0), kPresentSeconds);
    t.m_yearStep = 1000;
    ASSERT_TRUE(StepYears(t, -1));
    DeriveMoment(t);
    EXPECT_EQ(t.m_year, 1026);
    EXPECT_EQ(t.m_month, 7);
    EXPECT_EQ(t.m_day, 1);
}

TEST(TimeModel, MomentsBeforeTheEpochStayInRange) {
    const platform::LocalTime now = At(2026, 1, 1, 0, 0, 0);
    // Continuity across the epoch: one minute before it is 23:59 on 31 DEC of
    // the year before.
    const TimeState atEpoch = Derived(now, 0.0);
    const TimeState before = Derived(now, -60.0);
    EXPECT_EQ(atEpoch.m_month, 1);
    EXPECT_EQ(atEpoch.m_day, 1);
    EXPECT_EQ(atEpoch.m_hour, 0);
    EXPECT_EQ(before.m_year, atEpoch.m_year - 1);
    EXPECT_EQ(before.m_month, 12);
    EXPECT_EQ(before.m_day, 31);
    EXPECT_EQ(before.m_hour, 23);
    EXPECT_EQ(before.m_minute, 59);

    for (double moment = -1.0; moment > -3.0e17; moment *= 3.7) {
        for (int month : {1, 2, 6, 12}) {
            const TimeState t = Derived(At(2026, month, 28, 23, 59, 59), moment);
            SCOPED_TRACE(moment);
            EXPECT_GE(t.m_month, 1);
            EXPECT_LE(t.m_month, 12);
            EXPECT_GE(t.m_day, 1);
            EXPECT_LE(t.m_day, 31);
            EXPECT_GE(t.m_hour, 0);
            EXPECT_LE(t.m_hour, 23);
            EXPECT_GE(t.m_minute, 0);
            EXPECT_LE(t.m_minute, 59);
            EXPECT_GE(t.m_year, kYearMin);
            EXPECT_LT(t.m_year, -9999990000);
        }
    }
}

TEST(TimeModel, MomentsFarBeyondTheBoundsShowTheBoundYear) {
    const platform::LocalTime now = At(2026, 8, 8, 8, 8, 8);
    const double huge[] = {8.0e17, 9.3e18, 1.0e30, std::numeric_limits<double>::max(),
                           std::numeric_limits<double>::infinity()};
    for (double moment : huge) {
        SCOPED_TRACE(moment);
        const TimeState later = Derived(now, moment);
        EXPECT_EQ(later.m_year, kYearMax);
        EXPECT_EQ(later.m_scene, 30);
        const TimeState earlier = Derived(now, -moment);
        EXPECT_EQ(earlier.m_year, kYearMin);
        EXPECT_EQ(earlier.m_scene, 33);
        EXPECT_GE(earlier.m_hour, 0);
        EXPECT_LE(earlier.m_hour, 23);
    }
}

struct MonthName {
    const char* name;
    int month;
};

class MonthFromNameTest : public ::testing::TestWithParam<MonthName> {};

TEST_P(MonthFromNameTest, ExactNamesOnlyElseJanuary) {
    EXPECT_EQ(MonthFromName(GetParam().name), GetParam().month);
}

INSTANTIATE_TEST_SUITE_P(Names, MonthFromNameTest,
                         ::testing::Values(MonthName{"FEB", 2}, MonthName{"MAR", 3},
                                           MonthName{"JUL", 7}, MonthName{"NOV", 11},
                                           MonthName{"DEC", 12},
                                           // Upper case, three letters, nothing around them.
                                           MonthName{"feb", 1}, MonthName{"Jul", 1},
                                           MonthName{"FEBRUARY", 1}, MonthName{" FEB", 1},
                                           MonthName{"FE", 1}, MonthName{"", 1},
                                           // The blank name of index 0 is no month.
                                           MonthName{"   ", 1}));

}  // namespace
}  // namespace orb
