#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>

#include "display/EventDate.h"

namespace orb {
namespace {

struct DateLine {
    std::string line;
    bool hasYear;
    std::int64_t year;
    int cut;
};

void PrintTo(const DateLine& c, std::ostream* out) {
    *out << '"' << c.line << '"';
}

class ParseEventDateTest : public ::testing::TestWithParam<DateLine> {};

TEST_P(ParseEventDateTest, ReadsTheYearAndWhereItBegins) {
    const DateLine& c = GetParam();
    const EventDate date = ParseEventDate(c.line);
    EXPECT_EQ(date.hasYear, c.hasYear);
    if (c.hasYear) {
        EXPECT_EQ(date.year, c.year);
        EXPECT_EQ(date.cut, c.cut);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Eras, ParseEventDateTest,
    ::testing::Values(
        // The cut is the index of the character before the first digit.
        DateLine{"20 JUL 1969 AD", true, 1969, 6}, DateLine{"July 20, 1969 AD", true, 1969, 8},
        DateLine{"1969 AD", true, 1969, -1}, DateLine{"1969", true, 1969, -1},
        DateLine{"Spring 44 BC", true, -44, 6}, DateLine{"3000 BC", true, -3000, -1},
        DateLine{"1000 BC", true, -1000, -1},
        // Millions of years ago: the value times 1,000,000, before the present.
        DateLine{"65 Mya", true, -65000000, -1}, DateLine{"c. 1 Mya", true, -1000000, 2},
        DateLine{"0 Mya", true, 0, -1},
        // Anything below '0' ends the run of digits.
        DateLine{"about 4.6 Mya", true, -6000000, 7}, DateLine{"12/25/800 AD", true, 800, 5},
        // A byte of 128 and above is negative as a signed byte: it ends the run
        // like a blank, although the letters before it would have counted.
        DateLine{"caf\xE9"
                 "12 AD",
                 true, 12, 3},
        DateLine{"x\x80"
                 "7 BC",
                 true, -7, 1},
        // Every character from '0' up counts, its code less 48 taken as the digit.
        DateLine{"A1 AD", true, 171, -1},
        // An empty run reads as the year 0, cut just before the era.
        DateLine{"20 JUL, AD", true, 0, 6}, DateLine{"-- Mya", true, 0, 1},
        DateLine{"1969.", true, 0, 4}, DateLine{" AD", true, 0, -1},
        // The largest year that fits in 64 bits, and one more.
        DateLine{"9223372036854775807 AD", true, 9223372036854775807, -1},
        DateLine{"x 9223372036854775807 AD", true, 9223372036854775807, 1},
        DateLine{"9223372036854775808 AD", false, 0, 0},
        DateLine{"10000000000000000000 BC", false, 0, 0},
        DateLine{"9223372036854 Mya", true, -9223372036854000000, -1},
        DateLine{"9223372036855 Mya", false, 0, 0},
        // Leading zeros add nothing: a run longer than 19 characters can still fit.
        DateLine{"000000000000000000000000675379948", true, 675379948, -1},
        DateLine{"c. 0000000000000000000000000000001969 AD", true, 1969, 2},
        DateLine{"000000000009223372036854775807 BC", true, -9223372036854775807, -1},
        DateLine{"000000000009223372036854775808 BC", false, 0, 0},
        DateLine{"0001" + std::string(19, '0') + " AD", false, 0, 0},
        DateLine{"0000000000000000000009223372036854 Mya", true, -9223372036854000000, -1},
        // The era's last letter with no room for the rest of the era: no year,
        // rather than a cut before the line's start.
        DateLine{"D", false, 0, 0}, DateLine{"sC", false, 0, 0}, DateLine{"AD", false, 0, 0},
        DateLine{"ya", false, 0, 0}, DateLine{"Mya", false, 0, 0}, DateLine{"xAD", true, 0, -1},
        DateLine{"xMya", true, 0, -1},
        // No era of its own.
        DateLine{"", false, 0, 0}, DateLine{"1969 ad", false, 0, 0},
        DateLine{"1969 BCE", false, 0, 0}, DateLine{"sometime", false, 0, 0}));

}  // namespace
}  // namespace orb
