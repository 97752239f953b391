// The viewer's calendar: 365-day years without leap days.
#pragma once

#include <cstdint>
#include <string_view>

namespace orb {

// Days of the year before each month; index 13 ends the month search.
inline constexpr std::uint16_t kDaysBeforeMonth[14] = {0,   0,   31,  59,  90,  120, 151,
                                                       181, 212, 243, 273, 304, 334, 999};

// Index 0 is three blanks; 1..12 are the months.
inline constexpr const char* kMonthNames[13] = {"   ", "JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                                "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};

// Month number of a three-letter name; any other text gives 1.
int MonthFromName(std::string_view name);

}  // namespace orb
