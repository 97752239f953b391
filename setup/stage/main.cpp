// Installs from a distribution medium into a directory with one pass of the
// installation, as the installer does; the build stages ./run's installation
// with it.
//   orb_stage [--desktop-entry] MEDIUM_DIR TARGET_DIR
// The viewer's desktop entry is written beside it; only with --desktop-entry
// also into the user's applications folder ($XDG_DATA_HOME/applications or
// ~/.local/share/applications), as the installer does, so that staging for
// ./run and the tests leaves the user's menus alone.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

#include "setup/install/ApplicationsFolder.h"
#include "setup/install/InstallDirectory.h"
#include "setup/install/Installation.h"

int main(int argc, char** argv) {
    const bool desktopEntry = argc > 1 && std::strcmp(argv[1], "--desktop-entry") == 0;
    if (argc != (desktopEntry ? 4 : 3)) {
        std::fprintf(stderr, "usage: orb_stage [--desktop-entry] MEDIUM_DIR TARGET_DIR\n");
        return 2;
    }
    const char* medium = argv[argc - 2];
    const char* typed = argv[argc - 1];
    // The viewer finds its directory from anywhere, so it gets an absolute one.
    std::error_code error;
    const std::filesystem::path target = std::filesystem::absolute(typed, error);
    if (error) {
        std::fprintf(stderr, "orb_stage: %s: %s\n", typed, error.message().c_str());
        return 1;
    }
    const char* home = std::getenv("HOME");
    const orbsetup::DirectoryCheck check =
        orbsetup::CheckInstallDirectory(target.lexically_normal().string(), home ? home : "");
    if (!check.ok) {
        std::fprintf(stderr, "orb_stage: %s: %s\n", target.c_str(), check.problem.c_str());
        return 1;
    }
    std::optional<std::string> applications;
    if (desktopEntry) {
        applications = orbsetup::UserApplicationsFolder(std::getenv("XDG_DATA_HOME"), home);
        if (!applications) {
            std::fprintf(stderr, "orb_stage: neither XDG_DATA_HOME nor HOME names a directory\n");
            return 1;
        }
    }
    orbsetup::Installation installation(medium, applications);
    const orbsetup::PassOutcome outcome = installation.Run(check.directory);
    if (!outcome.complete) {
        std::fprintf(stderr, "orb_stage: %s: %s\n", outcome.failedPath.c_str(),
                     outcome.reason.c_str());
        return 1;
    }
    // The viewer is installed and runs; only the desktop lacks it.
    if (outcome.desktopMissed) {
        std::fprintf(stderr, "orb_stage: %s: %s; the menu entry was not made\n",
                     outcome.desktopMissed->path.c_str(), outcome.desktopMissed->reason.c_str());
    }
    return 0;
}
