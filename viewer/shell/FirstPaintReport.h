// Tells how long after the process started its first complete travel-screen
// paint was done: one line on standard error, for tools/measure-startup.sh.
// Only made when ORB_REPORT_FIRST_PAINT is set.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orb {

class FirstPaintReport {
  public:
    // `setting` is the variable's value. A Unix time with a fraction (bash's
    // $EPOCHREALTIME, with either decimal mark) is taken as the start; the
    // script reads it just before it execs the viewer, so it is exact to a
    // few microseconds. Anything else (say "1") measures from the start the
    // kernel recorded, which it shows only in whole clock ticks (10 ms).
    explicit FirstPaintReport(std::string_view setting);

    // Milliseconds from the start to now; nullopt when the kernel's start
    // cannot be read.
    std::optional<double> MillisecondsSinceStart() const;

    // The line to print, numbers in the C locale.
    std::string Line() const;

    // Seconds since the epoch, when `setting` holds such a time.
    static std::optional<double> ParseStartTime(std::string_view setting);
    // The process's start in seconds since boot, from a line of
    // /proc/PID/stat (its 22nd field, in clock ticks).
    static std::optional<double> StartSinceBoot(std::string_view statLine, long ticksPerSecond);

  private:
    std::optional<double> m_givenStart;
};

}  // namespace orb
