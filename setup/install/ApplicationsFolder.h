// Where the user's desktop looks for the entries of its menus.
#pragma once

#include <optional>
#include <string>

namespace orbsetup {

// "$XDG_DATA_HOME/applications", or "$HOME/.local/share/applications" when
// XDG_DATA_HOME is unset, empty or relative (which the XDG rules say to
// ignore); nothing when HOME is no absolute directory either. The values are
// handed in as the environment has them, null when unset.
std::optional<std::string> UserApplicationsFolder(const char* xdgDataHome, const char* home);

}  // namespace orbsetup
