#include "setup/install/ApplicationsFolder.h"

namespace orbsetup {

namespace {

bool Absolute(const char* path) {
    return path != nullptr && path[0] == '/';
}

// "/home/u/" and "/home/u" alike give "/home/u/...".
std::string Under(std::string base, const char* rest) {
    while (base.size() > 1 && base.back() == '/') {
        base.pop_back();
    }
    return (base == "/" ? "" : base) + rest;
}

}  // namespace

std::optional<std::string> UserApplicationsFolder(const char* xdgDataHome, const char* home) {
    if (Absolute(xdgDataHome)) {
        return Under(xdgDataHome, "/applications");
    }
    if (Absolute(home)) {
        return Under(home, "/.local/share/applications");
    }
    return std::nullopt;
}

}  // namespace orbsetup
