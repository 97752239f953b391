// Prints the install directory that this program's own field holds, read the
// way the viewer reads it. The tests patch copies of this program. With
// ORB_PROBE_REPORT set, it also writes its working directory and the field
// to that file, for tests that start it the way the desktop does.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "field/InstallPathField.h"
#include "shell/InstallPath.h"

int main() {
    const std::string directory = orb::TakeInstallDirectory(g_szInstallPath);
    std::printf("[%s]\n", directory.c_str());
    if (const char* report = std::getenv("ORB_PROBE_REPORT")) {
        char cwd[4096];
        std::FILE* out = std::fopen(report, "w");
        if (out == nullptr || ::getcwd(cwd, sizeof cwd) == nullptr) {
            return 1;
        }
        std::fprintf(out, "%s\n[%s]\n", cwd, directory.c_str());
        return std::fclose(out) == 0 ? 0 : 1;
    }
    return 0;
}
