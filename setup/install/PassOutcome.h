// What one installation pass came to.
#pragma once

#include <optional>
#include <string>

namespace orbsetup {

// Where a step stopped, and why.
struct PassProblem {
    std::string path;    // the host path of the file or directory
    std::string reason;  // in the system's words
};

struct PassOutcome {
    // The release's files are all in place: the viewer, the 13 files, the scenes.
    bool complete = false;
    std::string failedPath;  // where an incomplete pass stopped
    std::string reason;      // why
    // Set on a complete pass whose icon and desktop entries could not all be
    // made. The menu entry comes last, so it is then missing.
    std::optional<PassProblem> desktopMissed;
};

}  // namespace orbsetup
