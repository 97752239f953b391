// Prints the install directory that this program's own field holds, read the
// way the viewer reads it. The tests patch copies of this program.
#include <cstdio>

#include "field/InstallPathField.h"
#include "shell/InstallPath.h"

int main() {
    const std::string directory = orb::TakeInstallDirectory(g_szInstallPath);
    std::printf("[%s]\n", directory.c_str());
    return 0;
}
