// orbilon: starts the ready installation of the viewer that the package
// brings, in that installation's directory, where the viewer finds its
// sounds. What the viewer answers without a display is answered here alike,
// under the name the user typed.
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "display/ViewerProgram.h"
#include "launcher/LaunchArguments.h"
#include "platform/CommandLine.h"

namespace {

namespace fs = std::filesystem;

// The installation's directory, found from this program's own place, so that
// the installed tree works under any prefix.
std::optional<fs::path> ViewerDirectory() {
    std::error_code error;
    const fs::path self = fs::read_symlink("/proc/self/exe", error);
    if (error) {
        return std::nullopt;
    }
    return (self.parent_path() / ORB_LAUNCHER_VIEWER).lexically_normal();
}

}  // namespace

int main(int argc, char** argv) {
    platform::CommandLineDecision decided;
    if (const std::optional<int> status =
            orb::AnswerViewerCommandLine(argc, argv, std::cout, std::cerr, decided)) {
        return *status;
    }
    std::error_code error;
    const fs::path caller = fs::current_path(error);
    if (error) {
        std::fprintf(stderr, "orbilon: the current directory cannot be found: %s\n",
                     error.message().c_str());
        return 1;
    }
    const std::optional<fs::path> directory = ViewerDirectory();
    if (!directory || ::chdir(directory->c_str()) != 0) {
        const int reason = errno;
        std::fprintf(stderr, "orbilon: no viewer installation in %s: %s\n",
                     directory ? directory->c_str() : "(unknown)", std::strerror(reason));
        return 1;
    }
    std::vector<std::string> words = orb::LaunchArguments(argc, argv, decided, caller.string());
    std::vector<char*> pointers;
    pointers.reserve(words.size() + 1);
    for (std::string& word : words) {
        pointers.push_back(word.data());
    }
    pointers.push_back(nullptr);
    ::execv("./orb.exe", pointers.data());
    const int reason = errno;
    std::fprintf(stderr, "orbilon: cannot start %s/orb.exe: %s\n", directory->c_str(),
                 std::strerror(reason));
    // As a shell says of a command it cannot run.
    return reason == ENOENT ? 127 : 126;
}
