#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <tuple>

#include "display/AutopilotFields.h"
#include "display/Controls.h"
#include "display/TimeModel.h"
#include "display/ViewState.h"
#include "fakes/FakeViewHost.h"
#include "platform/FixedClock.h"
#include "support/LocalTimeAt.h"

namespace orb {
namespace {

using orbtest::FakeViewHost;

// The real clock stands 30 seconds into 12:00, so the double's spacing (up
// to 64 s near now) cannot move the shown minute of the times used here.
std::unique_ptr<ViewState> Showing(std::int64_t internalYear, int month, int day, int hour,
                                   int minute) {
    auto s = std::make_unique<ViewState>();
    SnapshotClock(s->time, platform::FixedClock(orbtest::At(2026, 5, 4, 12, 0, 30)));
    SetMomentFromCalendar(s->time, internalYear, month, day, hour, minute);
    DeriveMoment(s->time);
    return s;
}

// The six fields, to compare and print at once.
auto Tied(const AutopilotFields& f) {
    return std::tie(f.m_nDay, f.m_strMonth, f.m_strEra, f.m_dYear, f.m_nHour, f.m_nMinute);
}

// A displayed moment and the dialog's fields for it.
struct ShownCase {
    std::int64_t year;  // as displayed: no year 0
    int month, day, hour, minute;
    AutopilotFields fields;
};

// Moments the calendar can reach, then states seen before the first
// derivation or broken by hand.
const ShownCase kReachable[] = {{-5, 7, 2, 12, 0, {2, "JUL", "BC", 5.0, 12, 0}},
                                {-5, 3, 15, 9, 41, {15, "MAR", "BC", 5.0, 9, 41}},
                                {1999, 12, 31, 23, 59, {31, "DEC", "AD", 1999.0, 23, 59}},
                                {1, 1, 1, 0, 0, {1, "JAN", "AD", 1.0, 0, 0}},
                                {-1, 6, 15, 6, 30, {15, "JUN", "BC", 1.0, 6, 30}},
                                {-65000000, 12, 31, 23, 59, {31, "DEC", "BC", 65000000.0, 23, 59}},
                                {-15000000000, 3, 4, 5, 6, {4, "MAR", "BC", 1.5e10, 5, 6}}};
const ShownCase kRaw[] = {{0, 0, 0, 0, 0, {0, "   ", "BC", 0.0, 0, 0}},
                          // A month out of the table's range shows blank, not memory.
                          {1999, 13, 2, 12, 0, {2, "   ", "AD", 1999.0, 12, 0}},
                          {1999, -1, 2, 12, 0, {2, "   ", "AD", 1999.0, 12, 0}}};

class SeedTest : public ::testing::TestWithParam<ShownCase> {};

TEST_P(SeedTest, DialogShowsTheDisplayedMoment) {
    const ShownCase& c = GetParam();
    auto s = std::make_unique<ViewState>();
    s->time.m_year = c.year;
    s->time.m_month = c.month;
    s->time.m_day = c.day;
    s->time.m_hour = c.hour;
    s->time.m_minute = c.minute;
    FakeViewHost host;
    SetDestination(*s, host);
    EXPECT_EQ(Tied(host.autopilotShown), Tied(c.fields));
}

INSTANTIATE_TEST_SUITE_P(Reachable, SeedTest, ::testing::ValuesIn(kReachable));
INSTANTIATE_TEST_SUITE_P(Raw, SeedTest, ::testing::ValuesIn(kRaw));

auto Shown(const TimeState& t) {
    return std::make_tuple(t.m_year, t.m_month, t.m_day, t.m_hour, t.m_minute);
}

// Cancel leaves the seeded fields: the displayed moment is set again, even
// though travel has moved the moment on since it was shown.
class CancelTest : public ::testing::TestWithParam<ShownCase> {};

TEST_P(CancelTest, ReappliesTheDisplayedDateHourAndMinute) {
    const ShownCase& c = GetParam();
    const std::int64_t internalYear = c.year > 0 ? c.year : c.year + 1;
    auto s = Showing(internalYear, c.month, c.day, c.hour, c.minute);
    EXPECT_EQ(Shown(s->time), std::make_tuple(c.year, c.month, c.day, c.hour, c.minute));
    s->time.m_travelSeconds += 3 * 86400.0 + 5 * 3600.0;
    FakeViewHost host;
    host.autopilotAnswer = c.fields;
    SetDestination(*s, host);
    EXPECT_EQ(Tied(host.autopilotShown), Tied(c.fields));
    DeriveMoment(s->time);
    EXPECT_EQ(Shown(s->time), std::make_tuple(c.year, c.month, c.day, c.hour, c.minute));
}

INSTANTIATE_TEST_SUITE_P(Reachable, CancelTest, ::testing::ValuesIn(kReachable));

// What the dialog returns, and the moment shown afterwards.
struct EntryCase {
    const char* what;
    AutopilotFields entered;
    std::int64_t year;
    int month, day, hour, minute;  // month 0: far beyond the bounds, not checked
};

class EntryTest : public ::testing::TestWithParam<EntryCase> {};

TEST_P(EntryTest, SetsTheMoment) {
    const EntryCase& c = GetParam();
    auto s = Showing(1999, 7, 2, 12, 0);
    FakeViewHost host;
    host.autopilotAnswer = c.entered;
    SetDestination(*s, host);
    DeriveMoment(s->time);
    SCOPED_TRACE(c.what);
    EXPECT_EQ(s->time.m_year, c.year);
    if (c.month != 0) {
        EXPECT_EQ(Shown(s->time), std::make_tuple(c.year, c.month, c.day, c.hour, c.minute));
    }
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr unsigned kHugeCount = std::numeric_limits<unsigned>::max();

INSTANTIATE_TEST_SUITE_P(
    AsTheDialogAllows, EntryTest,
    ::testing::Values(
        EntryCase{"1 AD", {1, "JAN", "AD", 1.0, 12, 0}, 1, 1, 1, 12, 0},
        EntryCase{"1 BC", {5, "MAR", "BC", 1.0, 12, 0}, -1, 3, 5, 12, 0},
        EntryCase{"65 Mya", {10, "JAN", "Mya", 65.0, 12, 0}, -65000000, 1, 10, 12, 0},
        EntryCase{"highest AD", {31, "DEC", "AD", 1.5e10, 12, 0}, 15000000000, 12, 31, 12, 0},
        EntryCase{"highest BC", {1, "JAN", "BC", 1.5e10, 12, 0}, -15000000000, 1, 1, 12, 0},
        EntryCase{"highest Mya", {1, "JAN", "Mya", 1.5e10, 12, 0}, -15000000000, 0, 0, 0, 0},
        // Fractions are cut toward zero: 2.5 AD is 2 AD; 2.5 BC is 2 BC; 2.5
        // million years ago, the year 1 - 2,500,000, is 2,500,000 BC.
        EntryCase{"fraction AD", {1, "JAN", "AD", 2.5, 12, 0}, 2, 1, 1, 12, 0},
        EntryCase{"fraction BC", {1, "JAN", "BC", 2.5, 12, 0}, -2, 1, 1, 12, 0},
        EntryCase{"fraction Mya", {1, "JAN", "Mya", 2.5, 12, 0}, -2500000, 1, 1, 12, 0},
        // Day 31 is taken for any month: 31 FEB is 3 MAR.
        EntryCase{"31 FEB", {31, "FEB", "AD", 2000.0, 12, 0}, 2000, 3, 3, 12, 0},
        EntryCase{"last minute", {2, "JUL", "AD", 1999.0, 23, 59}, 1999, 7, 2, 23, 59},
        EntryCase{"midnight", {2, "JUL", "AD", 1999.0, 0, 0}, 1999, 7, 2, 0, 0}));

INSTANTIATE_TEST_SUITE_P(
    FromAMisbehavingHost, EntryTest,
    ::testing::Values(
        EntryCase{"year 0", {1, "JAN", "AD", 0.0, 12, 0}, 1, 1, 1, 12, 0},
        EntryCase{"negative year", {1, "JAN", "BC", -7.0, 12, 0}, -1, 1, 1, 12, 0},
        EntryCase{"NaN year", {1, "JAN", "AD", kNaN, 12, 0}, 1, 1, 1, 12, 0},
        EntryCase{"infinite year", {1, "JAN", "AD", kInf, 12, 0}, 15000000000, 1, 1, 12, 0},
        EntryCase{"minus infinity", {1, "JAN", "BC", -kInf, 12, 0}, -1, 1, 1, 12, 0},
        EntryCase{"huge Mya", {1, "JAN", "Mya", 1e300, 12, 0}, -15000000000, 0, 0, 0, 0},
        EntryCase{
            "year just above", {1, "JAN", "AD", 15000000001.0, 12, 0}, 15000000000, 1, 1, 12, 0},
        EntryCase{"day 0", {0, "MAR", "AD", 1999.0, 12, 0}, 1999, 3, 1, 12, 0},
        EntryCase{"day 32", {32, "JAN", "AD", 1999.0, 12, 0}, 1999, 1, 31, 12, 0},
        EntryCase{"huge day", {kHugeCount, "JAN", "AD", 1999.0, 12, 0}, 1999, 1, 31, 12, 0},
        EntryCase{"hour 24", {2, "JUL", "AD", 1999.0, 24, 0}, 1999, 7, 2, 23, 0},
        EntryCase{"huge hour", {2, "JUL", "AD", 1999.0, kHugeCount, 59}, 1999, 7, 2, 23, 59},
        EntryCase{"minute 60", {2, "JUL", "AD", 1999.0, 12, 60}, 1999, 7, 2, 12, 59},
        EntryCase{"huge minute", {2, "JUL", "AD", 1999.0, 23, kHugeCount}, 1999, 7, 2, 23, 59},
        EntryCase{"no month", {2, "", "AD", 1999.0, 12, 0}, 1999, 1, 2, 12, 0},
        EntryCase{"lower-case month", {2, "jul", "AD", 1999.0, 12, 0}, 1999, 1, 2, 12, 0},
        EntryCase{"no era", {2, "JUL", "", 1999.0, 12, 0}, 1999, 7, 2, 12, 0},
        EntryCase{"unknown era", {2, "JUL", "Ga", 65.0, 12, 0}, 65, 7, 2, 12, 0}));

}  // namespace
}  // namespace orb
