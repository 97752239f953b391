// Bringing an installation directory up to date from the distribution
// medium: the viewer with the directory written into it, the data, example
// and sound files, and the scene files a first installation lacks; then what
// lets the desktop start it.
#pragma once

#include <optional>
#include <string>

#include "setup/install/DesktopIntegration.h"
#include "setup/install/PassOutcome.h"

namespace orbsetup {

class Installation {
  public:
    // `medium` holds "orb.ex_", the stored files, the icon and DATA's scene
    // files; empty means the current directory. `applications`, when given,
    // is the user's applications folder, which then also receives the
    // viewer's desktop entry; it is made, with its parents, when missing.
    explicit Installation(std::string medium,
                          std::optional<std::string> applications = std::nullopt);

    // One pass into `directory` (as CheckInstallDirectory gives it): the
    // directory and its "data" and "example" subdirectories, the unfinished
    // copies a killed pass left of the files below, the viewer as "orb.exe"
    // with its install-path field filled and made executable, the 13 files
    // in order, and each scene file of the medium that the directory's DATA
    // lacks. These complete the pass, or it stops at the first failure. A
    // target is replaced only by a complete new copy, so a failed pass
    // leaves every file either as it was or complete; running again
    // continues the work. Refused without writing: a viewer image larger
    // than the transfer buffer or without exactly one blank install-path
    // field, and a stored file shorter than its size in InstalledFiles() (a
    // longer one is cut). A complete pass then makes the desktop's icon and
    // entries (DesktopIntegration), whose failure it only reports.
    PassOutcome Run(const std::string& directory);

    // The same pass into a package's staging tree: the files go into
    // `directory`, while the viewer's field names `finalDirectory`, where the
    // package puts them, and no desktop file is made, because a package
    // brings its own. Scene files already in `directory` stay as they are.
    PassOutcome RunStaged(const std::string& directory, const std::string& finalDirectory);

  private:
    void CreateDirectories(const std::string& directory) const;
    void RemoveUnfinishedCopies(const std::string& directory) const;
    void InstallViewer(const std::string& directory, const std::string& fieldDirectory) const;
    void InstallFiles(const std::string& directory) const;
    void AddMissingScenes(const std::string& directory) const;

    std::string m_medium;
    DesktopIntegration m_desktop;
};

}  // namespace orbsetup
