// What desktop-file-validate, the freedesktop.org checker, says of an entry.
#pragma once

#include <string>

#include "support/ChildProcess.h"
#include "support/TempDir.h"

namespace orbtest {

// Its errors and warnings, with its exit status when that is not 0; empty
// when it accepts the entry. Hints are advice, not faults, and are dropped.
inline std::string DesktopFileComplaints(const std::string& text) {
    TempDir dir;
    const std::string path = dir.Write("orbilon-check.desktop", text).string();
    return CommandOutput(
        "out=$(desktop-file-validate '" + path +
        "' 2>&1); status=$?; printf '%s\\n' \"$out\" | grep -v -e ': hint: ' -e '^$'; "
        "[ $status -eq 0 ] || echo \"exit status $status\"");
}

}  // namespace orbtest
