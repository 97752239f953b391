#include <gtest/gtest.h>

#include <cerrno>
#include <optional>

#include "display/AutopilotRules.h"
#include "support/CommaDecimalLocale.h"

namespace orb {
namespace {

// A typed field: a count within `range`, or the year where there is none.
struct FieldCase {
    const char* text;
    const CountRange* range;
    FieldEntry entry;
    double value;  // when accepted
};

const FieldCase kFields[] = {
    {"31", &kDayRange, FieldEntry::kAccepted, 31},
    {"1", &kDayRange, FieldEntry::kAccepted, 1},
    {" \t7 \n", &kDayRange, FieldEntry::kAccepted, 7},
    {"0", &kDayRange, FieldEntry::kOutOfRange, 0},
    {"32", &kDayRange, FieldEntry::kOutOfRange, 0},
    {"4294967295", &kDayRange, FieldEntry::kOutOfRange, 0},
    {"4294967296", &kDayRange, FieldEntry::kNotANumber, 0},
    {"", &kDayRange, FieldEntry::kNotANumber, 0},
    {"-1", &kDayRange, FieldEntry::kNotANumber, 0},
    {"1x", &kDayRange, FieldEntry::kNotANumber, 0},
    {"0", &kHourRange, FieldEntry::kAccepted, 0},
    {"23", &kHourRange, FieldEntry::kAccepted, 23},
    {"24", &kHourRange, FieldEntry::kOutOfRange, 0},
    {"59", &kMinuteRange, FieldEntry::kAccepted, 59},
    {"60", &kMinuteRange, FieldEntry::kOutOfRange, 0},
    {"1", nullptr, FieldEntry::kAccepted, 1.0},
    {"1.5e10", nullptr, FieldEntry::kAccepted, 1.5e10},
    {" 2.5\t", nullptr, FieldEntry::kAccepted, 2.5},
    {"0.999", nullptr, FieldEntry::kOutOfRange, 0},
    {"15000000001", nullptr, FieldEntry::kOutOfRange, 0},
    {"nan", nullptr, FieldEntry::kOutOfRange, 0},
    {"2,5", nullptr, FieldEntry::kNotANumber, 0},
    {"1e400", nullptr, FieldEntry::kNotANumber, 0},
    {" ", nullptr, FieldEntry::kNotANumber, 0},
};

// Read in the C locale, then again in a locale with a decimal comma, which
// must change nothing. A refused entry leaves the value as it was.
TEST(AutopilotRules, FieldsReadAsCNumbersWithinTheirRanges) {
    constexpr unsigned kUntouched = 77;
    for (bool commaDecimal : {false, true}) {
        std::optional<orbtest::CommaDecimalLocale> comma;
        if (commaDecimal) {
            comma.emplace();
            ASSERT_TRUE(comma->Active()) << "no locale with a decimal comma could be made";
        }
        for (const FieldCase& c : kFields) {
            SCOPED_TRACE(::testing::Message() << c.text << (commaDecimal ? ", comma" : ""));
            unsigned count = kUntouched;
            double year = kUntouched;
            errno = ERANGE;  // left by an earlier failure, which must not refuse a good number
            EXPECT_EQ(c.range ? ReadCount(c.text, *c.range, &count)
                              : ReadNumber(c.text, kYearRange, &year),
                      c.entry);
            EXPECT_EQ(c.range ? count : year,
                      c.entry == FieldEntry::kAccepted ? c.value : kUntouched);
        }
    }
}

}  // namespace
}  // namespace orb
