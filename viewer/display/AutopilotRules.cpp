#include "display/AutopilotRules.h"

#include <algorithm>
#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <memory>
#include <string>
#include <type_traits>

namespace orb {

namespace {

// The C locale's blanks.
constexpr std::string_view kBlanks = " \t\n\v\f\r";

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// The C locale, made on first use and freed at exit.
locale_t CLocale() {
    static const std::unique_ptr<std::remove_pointer_t<locale_t>, decltype(&::freelocale)> c(
        ::newlocale(LC_ALL_MASK, "C", nullptr), &::freelocale);
    return c.get();
}

}  // namespace

FieldEntry ReadCount(std::string_view text, CountRange range, unsigned* value) {
    const std::string_view digits = Trimmed(text);
    if (digits.empty()) {
        return FieldEntry::kNotANumber;
    }
    unsigned long long result = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') {
            return FieldEntry::kNotANumber;
        }
        result = result * 10 + static_cast<unsigned>(c - '0');
        if (result > std::numeric_limits<unsigned>::max()) {
            return FieldEntry::kNotANumber;
        }
    }
    if (result < range.low || result > range.high) {
        return FieldEntry::kOutOfRange;
    }
    *value = static_cast<unsigned>(result);
    return FieldEntry::kAccepted;
}

FieldEntry ReadNumber(std::string_view text, NumberRange range, double* value) {
    const locale_t cLocale = CLocale();
    const std::string number(Trimmed(text));
    if (number.empty() || cLocale == nullptr) {
        return FieldEntry::kNotANumber;
    }
    char* end = nullptr;
    errno = 0;
    const double result = ::strtod_l(number.c_str(), &end, cLocale);
    if (end != number.c_str() + number.size() || errno == ERANGE) {
        return FieldEntry::kNotANumber;
    }
    if (!(result >= range.low && result <= range.high)) {  // NaN is out of every range
        return FieldEntry::kOutOfRange;
    }
    *value = result;
    return FieldEntry::kAccepted;
}

unsigned HeldTo(unsigned value, CountRange range) {
    return std::clamp(value, range.low, range.high);
}

double HeldTo(double value, NumberRange range) {
    return std::isnan(value) ? range.low : std::clamp(value, range.low, range.high);
}

}  // namespace orb
