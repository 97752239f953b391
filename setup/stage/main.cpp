// Installs from a distribution medium into a directory with one pass of the
// installation, as the installer does; the build stages ./run's installation
// with it.
//   orb_stage MEDIUM_DIR TARGET_DIR
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include "setup/install/InstallDirectory.h"
#include "setup/install/Installation.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: orb_stage MEDIUM_DIR TARGET_DIR\n");
        return 2;
    }
    // The viewer finds its directory from anywhere, so it gets an absolute one.
    std::error_code error;
    const std::filesystem::path target = std::filesystem::absolute(argv[2], error);
    if (error) {
        std::fprintf(stderr, "orb_stage: %s: %s\n", argv[2], error.message().c_str());
        return 1;
    }
    const char* home = std::getenv("HOME");
    const orbsetup::DirectoryCheck check =
        orbsetup::CheckInstallDirectory(target.lexically_normal().string(), home ? home : "");
    if (!check.ok) {
        std::fprintf(stderr, "orb_stage: %s: %s\n", target.c_str(), check.problem.c_str());
        return 1;
    }
    orbsetup::Installation installation(argv[1]);
    const orbsetup::PassOutcome outcome = installation.Run(check.directory);
    if (!outcome.complete) {
        std::fprintf(stderr, "orb_stage: %s: %s\n", outcome.failedPath.c_str(),
                     outcome.reason.c_str());
        return 1;
    }
    return 0;
}
