// The files an installation receives besides the viewer, in the order they
// are copied, and how they are named on the distribution medium.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace orbsetup {

struct InstalledFile {
    const char* name;          // as installed, in this case: "EVENTS.dat"
    const char* subdirectory;  // "" for the installation directory, else "DATA" or "EXAMPLE"
    std::size_t bytes;         // this release's size; every written copy has exactly this many
};

inline constexpr const char* kViewerStoredName = "orb.ex_";
inline constexpr const char* kViewerInstalledName = "orb.exe";
// The picture of the viewer's desktop entry: not one of the 13, but stored
// on the medium the same way ("orbilon.pn_").
inline constexpr const char* kIconInstalledName = "orbilon.png";
// Every file goes through one buffer of this size, read whole and written whole.
inline constexpr std::size_t kTransferBufferSize = 8388608;
// Where the scene files lie, on the medium and in an installation.
inline constexpr const char* kSceneSubdirectory = "DATA";

// The 13 files of this release, in the order they are installed. The sizes
// are measured by the build from the files it puts on the medium.
const std::array<InstalledFile, 13>& InstalledFiles();

// The name on the medium: the installed name with its last character
// replaced by '_' ("EVENTS.dat" is "EVENTS.da_").
std::string StoredName(std::string_view installedName);

// The scene files of the base installation, under the same names on the
// medium and in an installation: "00.map", "00.pal", ... "99.map", "99.pal".
const std::vector<std::string>& SceneFiles();

}  // namespace orbsetup
