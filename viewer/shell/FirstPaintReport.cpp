#include "shell/FirstPaintReport.h"

#include <unistd.h>

#include <charconv>
#include <ctime>
#include <fstream>
#include <iterator>
#include <sstream>
#include <system_error>

namespace orb {

namespace {

double SecondsOn(clockid_t clock) {
    timespec now{};
    if (::clock_gettime(clock, &now) != 0) {
        return 0.0;
    }
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

std::string ReadOwnStat() {
    std::ifstream file("/proc/self/stat");
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

}  // namespace

FirstPaintReport::FirstPaintReport(std::string_view setting)
    : m_givenStart(ParseStartTime(setting)) {}

std::optional<double> FirstPaintReport::ParseStartTime(std::string_view setting) {
    // The shell writes the time with the user's decimal mark.
    const std::size_t mark = setting.find_first_of(".,");
    if (mark == std::string_view::npos || setting.front() < '0' || setting.front() > '9') {
        return std::nullopt;
    }
    std::string text(setting);
    text[mark] = '.';
    double seconds = 0.0;
    const char* end = text.data() + text.size();
    const auto [ptr, error] = std::from_chars(text.data(), end, seconds, std::chars_format::fixed);
    if (error != std::errc() || ptr != end) {
        return std::nullopt;
    }
    return seconds;
}

std::optional<double> FirstPaintReport::StartSinceBoot(std::string_view statLine,
                                                       long ticksPerSecond) {
    // The command name, in parentheses, may hold blanks and parentheses of
    // its own: the fields are counted after the last ')'. The state is field
    // 3, the start time field 22.
    const std::size_t close = statLine.rfind(')');
    if (close == std::string_view::npos || ticksPerSecond <= 0) {
        return std::nullopt;
    }
    std::istringstream fields{std::string(statLine.substr(close + 1))};
    std::string field;
    for (int number = 3; number < 22; ++number) {
        if (!(fields >> field)) {
            return std::nullopt;
        }
    }
    unsigned long long ticks = 0;
    if (!(fields >> field)) {
        return std::nullopt;
    }
    const char* end = field.data() + field.size();
    const auto [ptr, error] = std::from_chars(field.data(), end, ticks);
    if (error != std::errc() || ptr != end) {
        return std::nullopt;
    }
    return static_cast<double>(ticks) / static_cast<double>(ticksPerSecond);
}

std::optional<double> FirstPaintReport::MillisecondsSinceStart() const {
    if (m_givenStart) {
        return (SecondsOn(CLOCK_REALTIME) - *m_givenStart) * 1000.0;
    }
    const std::optional<double> start = StartSinceBoot(ReadOwnStat(), ::sysconf(_SC_CLK_TCK));
    if (!start) {
        return std::nullopt;
    }
    // The kernel counts the start on the boot clock, suspended time included.
    return (SecondsOn(CLOCK_BOOTTIME) - *start) * 1000.0;
}

std::string FirstPaintReport::Line() const {
    const std::optional<double> ms = MillisecondsSinceStart();
    if (!ms) {
        return "orb: first paint done; the process's start could not be read";
    }
    char number[32];
    const auto [end, error] =
        std::to_chars(number, number + sizeof number, *ms, std::chars_format::fixed, 1);
    const std::string text = error == std::errc() ? std::string(number, end) : "?";
    return "orb: first paint " + text + " ms after the start (" +
           (m_givenStart ? "given" : "kernel") + ")";
}

}  // namespace orb
