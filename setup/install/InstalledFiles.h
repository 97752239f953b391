// The files an installation receives besides the viewer, in the order they
// are copied, and how they are named on the distribution medium.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace orbsetup {

struct InstalledFile {
    const char* name;          // as installed, in this case: "EVENTS.dat"
    const char* subdirectory;  // "" for the installation directory, else "DATA" or "EXAMPLE"
    std::size_t bytes;         // this release's size; every written copy has exactly this many
};

inline constexpr const char* kViewerStoredName = "orb.ex_";
inline constexpr const char* kViewerInstalledName = "orb.exe";
// Every file goes through one buffer of this size, read whole and written whole.
inline constexpr std::size_t kTransferBufferSize = 8388608;

// The 13 files of this release, in the order they are installed.
const std::array<InstalledFile, 13>& InstalledFiles();

// The name on the medium: the installed name with its last character
// replaced by '_' ("EVENTS.dat" is "EVENTS.da_").
std::string StoredName(std::string_view installedName);

}  // namespace orbsetup
