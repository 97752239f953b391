// What the Autopilot dialog lets through on OK, and how it reads what was
// typed. The view holds the fields a host returns to the same ranges, so that
// a host returning anything else cannot push its date conversions out of range.
#pragma once

#include <string_view>

namespace orb {

// Inclusive ranges of the fields.
struct CountRange {
    unsigned low;
    unsigned high;
};
struct NumberRange {
    double low;
    double high;
};

inline constexpr CountRange kDayRange{1, 31};
inline constexpr CountRange kHourRange{0, 23};
inline constexpr CountRange kMinuteRange{0, 59};
inline constexpr NumberRange kYearRange{1.0, 1.5e10};
// The longest texts the month and era lists may give.
inline constexpr int kMonthTextLimit = 3;
inline constexpr int kEraTextLimit = 5;

// How a typed field reads. The value is written only when it is accepted.
enum class FieldEntry { kAccepted, kNotANumber, kOutOfRange };

// Decimal digits only, with blanks around, within 32 bits.
FieldEntry ReadCount(std::string_view text, CountRange range, unsigned* value);

// A number as the C library reads one in the C locale (a decimal point
// whatever the user's locale: the dialog writes the year that way too), with
// nothing but blanks around it. Not a number when it overflows a double.
FieldEntry ReadNumber(std::string_view text, NumberRange range, double* value);

// A returned field held to its range; a NaN reads as the lowest number.
unsigned HeldTo(unsigned value, CountRange range);
double HeldTo(double value, NumberRange range);

}  // namespace orb
