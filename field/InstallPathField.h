// The install directory carried inside the viewer's own program file.
#pragma once

#include <cstddef>
#include <string>

namespace orb {

// 110 characters and a NUL. '?' fills every position after the directory and
// cannot occur in a path the installer accepts, so it marks the end.
inline constexpr std::size_t kInstallPathFieldSize = 111;
inline constexpr std::size_t kInstallPathCapacity = 109;  // at least one '?' follows
inline constexpr char kInstallPathFill = '?';
// The ELF section that holds the field and nothing else.
inline constexpr const char* kInstallPathSection = ".orb_install_path";

// Reads the directory from `field` and terminates the field in memory where the
// directory ends, so that the field itself reads as the directory afterwards.
// The field is read byte by byte: a patched file must not be folded away as the
// constant the compiler saw. The scan never passes the last position, so a
// field without any '?' still reads as at most 110 characters.
std::string TakeInstallDirectory(volatile char* field);

}  // namespace orb
