// Reading the year of a databank date line.
#pragma once

#include <cstdint>
#include <string_view>

namespace orb {

struct EventDate {
    bool hasYear = false;   // false for a line that names no year of its own
    std::int64_t year = 0;  // displayed year: negative is BC, Mya is -value x 1,000,000
    int cut = -1;           // index just before the year's digits; -1 when they begin the line
};

// Parses a date line of the events databank: the year ends the line, followed
// by " AD", " BC", " Mya" or nothing (plain digits count as AD). The digits are
// read backwards from the era as the longest run of characters from '0' up.
// A line that ends in anything else, or whose number does not fit, has no year.
EventDate ParseEventDate(std::string_view line);

}  // namespace orb
