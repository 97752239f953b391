// ParseEventDate over any bytes as one line: no read outside the line, no
// signed overflow, and the result both keeps its own promises and agrees
// with a slow reading of the same line.
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string_view>

#include "display/EventDate.h"
#include "fuzz/FuzzCheck.h"

namespace {

using orbfuzz::Require;

constexpr std::uint64_t kLargestYear = std::numeric_limits<std::int64_t>::max();

// The parser compares bytes as signed chars: from 128 up they are below '0'.
bool FromZeroUp(char c) {
    return static_cast<signed char>(c) >= '0';
}

struct Era {
    bool known = false;
    std::size_t length = 0;  // characters after the digits
    bool negative = false;
    bool millions = false;
};

// The era is told by the last character alone.
Era EraOf(std::string_view line) {
    const auto last = static_cast<signed char>(line.back());
    if (last <= '9') {
        return Era{true, 0, false, false};
    }
    switch (last) {
        case 'D':
            return Era{true, 3, false, false};
        case 'C':
            return Era{true, 3, true, false};
        case 'a':
            return Era{true, 4, true, true};
        default:
            return Era{};
    }
}

// The same reading done the plain way: the digits from the most significant
// on, in unsigned arithmetic that stops as soon as the value is too large.
orb::EventDate SlowReading(std::string_view line) {
    orb::EventDate date;
    if (line.empty()) {
        return date;
    }
    const Era era = EraOf(line);
    if (!era.known || line.size() < era.length) {
        return date;  // no era, or a line too short to hold it
    }
    const std::size_t end = line.size() - era.length;
    std::size_t start = end;
    while (start > 0 && FromZeroUp(line[start - 1])) {
        --start;
    }
    std::uint64_t value = 0;
    for (std::size_t i = start; i < end; ++i) {
        const auto digit = static_cast<std::uint64_t>(line[i] - '0');
        if (value > (kLargestYear - digit) / 10) {
            return date;  // does not fit
        }
        value = value * 10 + digit;
    }
    if (era.millions) {
        if (value > kLargestYear / 1000000) {
            return date;
        }
        value *= 1000000;
    }
    date.hasYear = true;
    date.year = era.negative ? -static_cast<std::int64_t>(value) : static_cast<std::int64_t>(value);
    date.cut = static_cast<int>(start) - 1;
    return date;
}

// What a caller relies on, checked on the parser's own answer.
void CheckPromises(std::string_view line, const orb::EventDate& date) {
    if (!date.hasYear) {
        Require(date.year == 0 && date.cut == -1,
                "a line without a year leaves year and cut unset");
        return;
    }
    const auto length = static_cast<long long>(line.size());
    Require(date.cut >= -1 && date.cut <= length - 1, "the cut lies in -1 .. length - 1");
    const Era era = EraOf(line);
    Require(era.known, "a year only comes with an era");
    Require(static_cast<long long>(era.length) <= length, "the era fits in the line");
    const auto digitsEnd = static_cast<std::size_t>(length) - era.length;
    const auto digitsBegin = static_cast<std::size_t>(date.cut + 1);
    Require(digitsBegin <= digitsEnd, "the cut lies before the era");
    for (std::size_t i = digitsBegin; i < digitsEnd; ++i) {
        Require(FromZeroUp(line[i]), "only digits lie between the cut and the era");
    }
    if (date.cut >= 0) {
        Require(!FromZeroUp(line[static_cast<std::size_t>(date.cut)]),
                "the run of digits is the longest one");
    }
    Require(era.negative ? date.year <= 0 : date.year >= 0, "the era gives the sign");
    if (era.millions) {
        Require(date.year % 1000000 == 0, "millions of years are whole millions");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // libFuzzer hands over a buffer of exactly the input's size: a read past
    // the line's end leaves the allocation and AddressSanitizer reports it.
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    const orb::EventDate date = orb::ParseEventDate(line);
    CheckPromises(line, date);
    const orb::EventDate slow = SlowReading(line);
    Require(date.hasYear == slow.hasYear, "a year exactly when the number fits");
    if (slow.hasYear) {
        Require(date.year == slow.year, "the year agrees with the slow reading");
        Require(date.cut == slow.cut, "the cut agrees with the slow reading");
    }
    return 0;
}
