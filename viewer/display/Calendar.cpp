#include "display/Calendar.h"

namespace orb {

int MonthFromName(std::string_view name) {
    for (int month = 1; month <= 12; ++month) {
        if (name == kMonthNames[month]) {
            return month;
        }
    }
    return 1;
}

}  // namespace orb
