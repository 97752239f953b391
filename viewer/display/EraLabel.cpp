#include "display/EraLabel.h"

#include <charconv>
#include <system_error>

namespace orb {

namespace {

// "st", "nd", "rd" or "th" for the number n + 1, chosen from n.
const char* OrdinalEnding(std::int64_t n) {
    const std::int64_t lastTwo = n % 100;
    if (lastTwo >= 10 && lastTwo <= 12) {
        return "th";
    }
    switch (n % 10) {
        case 0:
            return "st";
        case 1:
            return "nd";
        case 2:
            return "rd";
        default:
            return "th";
    }
}

std::string Ordinal(std::int64_t n, const char* unit) {
    return std::to_string(n + 1) + OrdinalEnding(n) + " " + unit;
}

// One decimal in the program's own format, whatever the user's locale.
std::string OneDecimal(double value) {
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 1);
    return result.ec == std::errc() ? std::string(text, result.ptr) : std::string("?");
}

// Both ends of a range, read in the direction of time: from the lower end
// after Christ, from the older (higher) end before.
std::string Range(const std::string& lower, const std::string& upper, bool afterChrist) {
    return afterChrist ? lower + " to " + upper : upper + " to " + lower;
}

std::int64_t PowerOfTenAtMost(std::int64_t step) {
    std::int64_t power = 1;
    while (power < 1000000000 && power * 10 <= step) {
        power *= 10;
    }
    return power;
}

}  // namespace

YearStretch LabelledYears(std::int64_t year, std::int64_t step) {
    const std::int64_t a = year < 0 ? -year : year;
    const std::int64_t power = PowerOfTenAtMost(step);
    const std::int64_t first = a / power * power;
    return {first, first + power - 1};
}

std::string FormatEraLabel(std::int64_t year, std::int64_t step) {
    const bool afterChrist = year > 0;
    // The years reach 15,000,000,000 at most, so the magnitude never overflows.
    const std::int64_t a = year < 0 ? -year : year;
    const std::int64_t power = PowerOfTenAtMost(step);
    const std::int64_t n = a / power;
    std::string body;
    switch (power) {
        case 1:
            body = std::to_string(n);
            break;
        case 10:
            body = std::to_string(n) + "0's";
            break;
        case 100:
            body = Ordinal(n, "century");
            break;
        case 1000:
            body = Ordinal(n, "millennium");
            break;
        case 10000:
            body = Ordinal(n, "myriad");
            break;
        case 100000:
            body =
                Range(OneDecimal(static_cast<double>(n) * 0.1) + " million years",
                      OneDecimal(static_cast<double>(n + 1) * 0.1) + " million years", afterChrist);
            break;
        case 1000000:
        case 10000000:
        case 100000000: {
            const std::int64_t millions = power / 1000000;
            body = Range(std::to_string(millions * n) + " million years",
                         std::to_string(millions * (n + 1)) + " million years", afterChrist);
            break;
        }
        default:
            body = Range(std::to_string(n) + " billion years",
                         std::to_string(n + 1) + " billion years", afterChrist);
            break;
    }
    return body + (afterChrist ? " AD" : " BC") + "    ";
}

}  // namespace orb
