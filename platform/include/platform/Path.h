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

// How a path meets the names on disk: the program's own paths are resolved
// as ResolvePath does; a host path is taken as it is.
enum class Spelling { kAnyCase, kExact };

// Creates one directory level; false when it could not be made (it may
// exist). Then `error`, when given, receives the system's error number.
bool CreateDirectory(std::string_view path, int* error = nullptr,
                     Spelling spelling = Spelling::kAnyCase);

// Flushes the entries of the directory at host path `directory` to disk, so
// that a file created or renamed in it stays after a crash. False, with the
// system's error number in `error` when given, when that fails.
bool SyncDirectory(const std::string& directory, int* error = nullptr);

// True when the path names something that exists (a file, a directory, a link).
bool PathExists(std::string_view path);

}  // namespace platform
