#pragma once

namespace platform {

// A local calendar time as the system clock gives it.
struct LocalTime {
    int year = 1970;  // with century
    int month = 1;    // 1..12
    int day = 1;      // 1..31
    int hour = 0;     // 0..23
    int minute = 0;   // 0..59
    int second = 0;   // 0..59 (60 during a leap second)
};

}  // namespace platform
