// Installs from a distribution medium into a directory with one pass of the
// installation, as the installer does; the build stages ./run's installation
// and the package's ready viewer with it.
//   orb_stage [--desktop-entry | --installed-as FINAL_DIR] MEDIUM_DIR TARGET_DIR
// The viewer's desktop entry is written beside it; only with --desktop-entry
// also into the user's applications folder ($XDG_DATA_HOME/applications or
// ~/.local/share/applications), as the installer does, so that staging for
// ./run and the tests leaves the user's menus alone. With --installed-as the
// files go into TARGET_DIR, a package's staging tree, and the viewer names
// FINAL_DIR, where the package puts them; no desktop file is made there.
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

namespace {

// The viewer finds its directory from anywhere, so it gets an absolute one.
std::optional<std::string> Absolute(const char* typed) {
    std::error_code error;
    const std::filesystem::path path = std::filesystem::absolute(typed, error);
    if (error) {
        std::fprintf(stderr, "orb_stage: %s: %s\n", typed, error.message().c_str());
        return std::nullopt;
    }
    return path.lexically_normal().string();
}

// The directory the viewer's field will name, as the installer checks it.
std::optional<std::string> CheckedDirectory(const std::string& path) {
    const char* home = std::getenv("HOME");
    const orbsetup::DirectoryCheck check =
        orbsetup::CheckInstallDirectory(path, orbsetup::DirectoryRules{home ? home : "", ""});
    if (!check.ok) {
        std::fprintf(stderr, "orb_stage: %s: %s\n", path.c_str(), check.problem.c_str());
        return std::nullopt;
    }
    return check.directory;
}

int Finish(const orbsetup::PassOutcome& outcome) {
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

}  // namespace

int main(int argc, char** argv) {
    const bool desktopEntry = argc > 1 && std::strcmp(argv[1], "--desktop-entry") == 0;
    const bool staged = argc > 1 && std::strcmp(argv[1], "--installed-as") == 0;
    const int expected = desktopEntry ? 4 : staged ? 5 : 3;
    if (argc != expected) {
        std::fprintf(stderr,
                     "usage: orb_stage [--desktop-entry | --installed-as FINAL_DIR] MEDIUM_DIR "
                     "TARGET_DIR\n");
        return 2;
    }
    const char* medium = argv[argc - 2];
    const std::optional<std::string> target = Absolute(argv[argc - 1]);
    if (!target) {
        return 1;
    }
    if (staged) {
        const std::optional<std::string> final = Absolute(argv[2]);
        const std::optional<std::string> named = final ? CheckedDirectory(*final) : std::nullopt;
        if (!named) {
            return 1;
        }
        orbsetup::Installation installation(medium);
        return Finish(installation.RunStaged(*target, *named));
    }
    const std::optional<std::string> directory = CheckedDirectory(*target);
    if (!directory) {
        return 1;
    }
    std::optional<std::string> applications;
    if (desktopEntry) {
        applications =
            orbsetup::UserApplicationsFolder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
        if (!applications) {
            std::fprintf(stderr, "orb_stage: neither XDG_DATA_HOME nor HOME names a directory\n");
            return 1;
        }
    }
    orbsetup::Installation installation(medium, applications);
    return Finish(installation.Run(*directory));
}
