#include "display/AccessibleText.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <system_error>

#include "display/EraLabel.h"
#include "display/TimeState.h"
#include "display/TravelTimer.h"
#include "display/ViewState.h"

namespace orb {

namespace {

constexpr const char* kMonthWords[13] = {"",        "January",  "February", "March",  "April",
                                         "May",     "June",     "July",     "August", "September",
                                         "October", "November", "December"};

constexpr double kTicksPerSecond = 1000.0 / kTravelTimerPeriodMs;

// Digits in groups of three, whatever the user's locale: 150,000,000.
std::string Grouped(std::uint64_t n) {
    const std::string digits = std::to_string(n);
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            out += ',';
        }
        out += digits[i];
    }
    return out;
}

std::string TwoDigits(int n) {
    return std::string(1, static_cast<char>('0' + n / 10 % 10)) + static_cast<char>('0' + n % 10);
}

// An amount as it is read aloud: whole from 10 on (grouped), one decimal
// below, without a trailing ".0".
std::string Amount(double value) {
    if (value >= 9.95) {
        return Grouped(static_cast<std::uint64_t>(std::llround(value)));
    }
    char text[16];
    const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 1);
    std::string out = result.ec == std::errc() ? std::string(text, result.ptr) : "?";
    if (out.size() > 2 && out.compare(out.size() - 2, 2, ".0") == 0) {
        out.resize(out.size() - 2);
    }
    return out;
}

std::string Counted(double value, const char* unit, const char* units) {
    const std::string amount = Amount(value);
    return amount + " " + (amount == "1" ? unit : units);
}

// Time per real second, in the largest unit that keeps the amount at 1 or more.
std::string Rate(double seconds) {
    constexpr double kMinute = 60.0;
    constexpr double kHour = 3600.0;
    constexpr double kDay = 86400.0;
    constexpr double kYear = static_cast<double>(kSecondsPerYear);
    if (seconds < kMinute) {
        return Counted(seconds, "second", "seconds");
    }
    if (seconds < kHour) {
        return Counted(seconds / kMinute, "minute", "minutes");
    }
    if (seconds < kDay) {
        return Counted(seconds / kHour, "hour", "hours");
    }
    if (seconds < kYear) {
        return Counted(seconds / kDay, "day", "days");
    }
    const double years = seconds / kYear;
    if (years < 1.0e6) {
        return Counted(years, "year", "years");
    }
    if (years < 1.0e9) {
        return Amount(years / 1.0e6) + " million years";
    }
    return Amount(years / 1.0e9) + " billion years";
}

std::string Trimmed(const std::string& text) {
    const std::size_t end = text.find_last_not_of(' ');
    return end == std::string::npos ? std::string() : text.substr(0, end + 1);
}

}  // namespace

std::string MomentInWords(const TimeState& t, bool clockOn) {
    const bool afterChrist = t.m_year > 0;
    const std::uint64_t magnitude = afterChrist ? static_cast<std::uint64_t>(t.m_year)
                                                : 0 - static_cast<std::uint64_t>(t.m_year);
    const char* era = afterChrist ? " AD" : " BC";
    if (magnitude >= static_cast<std::uint64_t>(kLongYear)) {
        return "the year " + Grouped(magnitude) + era;
    }
    const int month = t.m_month >= 1 && t.m_month <= 12 ? t.m_month : 0;
    std::string words =
        std::to_string(t.m_day) + " " + kMonthWords[month] + " " + std::to_string(magnitude) + era;
    if (clockOn) {
        words += ", " + TwoDigits(t.m_hour) + ":" + TwoDigits(t.m_minute);
    }
    return words;
}

std::string SpeedInWords(double secondsPerTick) {
    if (!(std::fabs(secondsPerTick) > 0.0)) {
        return "stopped";
    }
    return Rate(std::fabs(secondsPerTick) * kTicksPerSecond) + " per second " +
           (secondsPerTick > 0.0 ? "forward" : "backward");
}

std::string EventsInWords(const std::vector<ListedEvent>& events, bool moreAbove, bool moreBelow) {
    std::string words;
    const auto add = [&words](const std::string& sentence) {
        words += (words.empty() ? "" : " ") + sentence;
    };
    if (moreAbove) {
        add("More events above.");
    }
    for (const ListedEvent& event : events) {
        const bool ended =
            !event.text.empty() && std::string(".!?").find(event.text.back()) != std::string::npos;
        add(event.date + ": " + event.text + (ended ? "" : "."));
    }
    if (events.empty() && !moreAbove) {
        add("No events found.");
    }
    if (moreBelow) {
        add("More events below.");
    }
    return words;
}

ViewWords DescribeView(const ViewState& s) {
    const TimeState& t = s.time;
    if (t.m_browseMode >= kBrowsingScreenFrom) {
        return {Trimmed(FormatEraLabel(t.m_year, t.m_yearStep)),
                EventsInWords(s.m_listedEvents, s.m_moreAbove != 0, s.m_moreBelow != 0)};
    }
    return {MomentInWords(t, s.m_showClock == 1), SpeedInWords(t.m_speed)};
}

}  // namespace orb
