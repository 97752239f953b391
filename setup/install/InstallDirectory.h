// What the wizard accepts as the directory of an installation.
#pragma once

#include <string>
#include <string_view>

namespace orbsetup {

struct DirectoryCheck {
    bool ok = false;
    std::string directory;  // as it is used and written into the viewer
    std::string problem;    // for the user, when not ok
};

// The typed directory with one trailing separator removed and a leading "~"
// (alone or before a separator) standing for `home`. "/" is the root, used as
// the empty directory. Refused: a relative directory (the viewer could not
// find it again from its own working directory), one longer than the
// install-path field holds, one holding '?', an empty one, and "~" when
// `home` is not an absolute directory.
DirectoryCheck CheckInstallDirectory(std::string_view typed, std::string_view home);

}  // namespace orbsetup
