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

// What a typed directory is measured against beyond its own text.
struct DirectoryRules {
    std::string home;  // what a leading "~" stands for
    // The installation a package keeps up to date, which only the package
    // changes; empty when there is none.
    std::string packaged;
};

// The typed directory with one trailing separator removed and a leading "~"
// (alone or before a separator) standing for the rules' home. "/" is the
// root, used as the empty directory. Refused: a relative directory (the
// viewer could not find it again from its own working directory), one longer
// than the install-path field holds, one holding '?', an empty one, "~" when
// home is not an absolute directory, and the packaged installation under any
// spelling or link that leads to it.
DirectoryCheck CheckInstallDirectory(std::string_view typed, const DirectoryRules& rules);

}  // namespace orbsetup
