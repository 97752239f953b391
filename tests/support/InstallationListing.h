// What a complete installation directory holds.
#pragma once

#include <cctype>
#include <set>
#include <string>

#include "setup/install/DesktopEntry.h"
#include "setup/install/InstalledFiles.h"

namespace orbtest {

// Where a file of the table lands: the pass creates "data" and "example", and
// DATA and EXAMPLE match them without regard to case.
inline std::string InstalledRelative(const orbsetup::InstalledFile& file) {
    std::string subdirectory = file.subdirectory;
    for (char& c : subdirectory) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return subdirectory.empty() ? file.name : subdirectory + "/" + file.name;
}

// A complete first installation: the viewer, the two subdirectories, the 13
// files, every scene file, the icon and the viewer's desktop entry.
inline std::set<std::string> CompleteInstallation() {
    std::set<std::string> names{orbsetup::kViewerInstalledName, "data", "example",
                                orbsetup::kIconInstalledName, orbsetup::kInstalledEntryName};
    for (const orbsetup::InstalledFile& file : orbsetup::InstalledFiles()) {
        names.insert(InstalledRelative(file));
    }
    for (const std::string& scene : orbsetup::SceneFiles()) {
        names.insert("data/" + scene);
    }
    return names;
}

}  // namespace orbtest
