// The desktop entry that starts an installation's viewer from the desktop's
// menus: its text and the file name it is kept under. Several installations
// each get their own, told apart by their directory.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orbsetup {

// The entry written beside the viewer, in the installation directory.
inline constexpr const char* kInstalledEntryName = "orbilon.desktop";
// The key of this program's own under which an entry names its installation
// directory: how the entries it wrote are told from all others.
inline constexpr const char* kDirectoryKey = "X-Orbilon-Directory";

// The host paths an entry names.
struct DesktopEntryPlaces {
    std::string directory;  // the installation directory, the viewer's working directory
    std::string viewer;     // its orb.exe
    std::string icon;       // the picture shown for it
};

// Whether `text` holds a byte below 0x20 or 0x7F: a tab, a line break or
// the like, which no line of an entry can carry.
bool HoldsControlCharacters(std::string_view text);

// Why `path` cannot be named in a desktop entry, or empty when it can. An
// entry is UTF-8 text of one line per key, so names that are not UTF-8 or
// hold control characters cannot be written into it.
std::string DesktopEntryProblem(std::string_view path);

// The entry's text, each value escaped by the Desktop Entry rules. Exec
// holds the viewer quoted as one argument; a viewer whose path holds '%' is
// started through /bin/sh, which runs it by its path and nothing else,
// because launchers look for the program before they read "%%" as '%'.
// Every path must be free of the problems above.
std::string DesktopEntryText(const DesktopEntryPlaces& places);

// The installation directory an entry's text names under kDirectoryKey in
// its [Desktop Entry] group, or nothing when it names none.
std::optional<std::string> DesktopEntryDirectory(std::string_view text);

// "orbilon-" with a short hash of the installation directory's host path,
// then ".desktop": the same directory always has the same name.
std::string DesktopEntryFileName(std::string_view directory);

}  // namespace orbsetup
