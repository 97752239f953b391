// Program paths in the Windows style the program builds ("DIR\DATA\EVENTS.DAT")
// mapped onto the host's file system.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// Both '\' and '/' separate components. A path that starts with a separator is
// absolute (an empty install directory gives such paths), anything else is
// relative to the current directory. Each component that does not exist as
// written is matched without regard to case against what does exist; a
// component with no match is kept as written, so new files get that name.
std::string ResolvePath(std::string_view path);

// Creates one directory level; false when it could not be made (it may
// exist). Then `error`, when given, receives the system's error number.
bool CreateDirectory(std::string_view path, int* error = nullptr);

// True when the path names something that exists (a file, a directory, a link).
bool PathExists(std::string_view path);

}  // namespace platform
