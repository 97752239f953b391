#include "display/EventDate.h"

namespace orb {

namespace {

constexpr std::int64_t kMillion = 1000000;

// Signed comparison of a byte with '0', as the scanner reads bytes: anything
// from 128 up is negative and so ends the run.
bool InDigitRun(char c) {
    return static_cast<signed char>(c) >= '0';
}

}  // namespace

EventDate ParseEventDate(std::string_view line) {
    EventDate result;
    if (line.empty()) {
        return result;
    }
    const char last = line.back();
    int suffix = 0;  // characters after the digits
    bool negate = false;
    bool mya = false;
    if (static_cast<signed char>(last) <= '9') {
        suffix = 0;  // a bare year: " AD" is implied
    } else if (last == 'D') {
        suffix = 3;
    } else if (last == 'C') {
        suffix = 3;
        negate = true;
    } else if (last == 'a') {
        suffix = 4;
        mya = true;
        negate = true;
    } else {
        return result;
    }
    const auto length = static_cast<int>(line.size());
    if (length < suffix) {
        return result;  // "sC" or "ya": the era's last letter without room for the era
    }
    int end = length - 1 - suffix;  // index of the last digit
    std::int64_t value = 0;
    std::int64_t scale = 1;
    bool overflow = false;
    bool pastScale = false;  // the next digit's scale would not fit: only zeros may follow
    int i = end;
    for (; i >= 0 && InDigitRun(line[static_cast<std::size_t>(i)]); --i) {
        const std::int64_t digit = line[static_cast<std::size_t>(i)] - '0';
        if (overflow) {
            continue;  // the run is still walked to find the cut
        }
        if (pastScale) {
            // Leading zeros add nothing, so "000...01" still fits.
            overflow = digit != 0;
            continue;
        }
        std::int64_t term = 0;
        if (__builtin_mul_overflow(digit, scale, &term) ||
            __builtin_add_overflow(value, term, &value)) {
            overflow = true;
            continue;
        }
        pastScale = __builtin_mul_overflow(scale, std::int64_t{10}, &scale);
    }
    if (mya && !overflow && __builtin_mul_overflow(value, kMillion, &value)) {
        overflow = true;
    }
    if (overflow) {
        return result;
    }
    result.hasYear = true;
    result.year = negate ? -value : value;
    result.cut = i;
    return result;
}

}  // namespace orb
