// Bringing an installation directory up to date from the distribution
// medium: the viewer with the directory written into it, the data, example
// and sound files, and the scene files a first installation lacks.
#pragma once

#include <optional>
#include <string>

namespace orbsetup {

struct PassOutcome {
    bool complete = false;
    std::string failedPath;  // the host path of the file or directory the pass stopped at
    std::string reason;      // why, in the system's words
};

class Installation {
  public:
    // `medium` holds "orb.ex_", the stored files, the icon and DATA's scene
    // files; empty means the current directory. `applications`, when given,
    // is the user's applications folder, which then also receives the
    // viewer's desktop entry; it is made, with its parents, when missing.
    explicit Installation(std::string medium,
                          std::optional<std::string> applications = std::nullopt);

    // One pass into `directory` (as CheckInstallDirectory gives it): the
    // directory and its "data" and "example" subdirectories, the viewer as
    // "orb.exe" with its install-path field filled and made executable, the
    // 13 files in order, each scene file of the medium that the directory's
    // DATA lacks, and last the icon and the viewer's desktop entry, beside
    // the viewer and in the applications folder. Stops at the first failure. A target is
    // replaced only by a complete new copy, so a failed pass leaves every
    // file either as it was or complete; running again continues the work.
    // Refused without writing: a viewer image larger than the transfer
    // buffer or without exactly one blank install-path field, and a stored
    // file shorter than its size in InstalledFiles() (a longer one is cut).
    // Every file moves through one static buffer, so passes in one process
    // run one at a time.
    PassOutcome Run(const std::string& directory);

  private:
    void CreateDirectories(const std::string& directory) const;
    void InstallViewer(const std::string& directory) const;
    void InstallFiles(const std::string& directory) const;
    void AddMissingScenes(const std::string& directory) const;
    void InstallDesktopEntries(const std::string& directory) const;

    std::string m_medium;
    std::optional<std::string> m_applications;
};

}  // namespace orbsetup
