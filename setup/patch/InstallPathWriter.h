// Writes the install directory into the field of a viewer image held in memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orbsetup {

struct FieldLocation {
    bool found = false;
    std::size_t offset = 0;  // of the field's first byte in the image
    std::string error;       // why it was not found
};

struct PatchResult {
    bool ok = false;
    std::string error;
};

// The directory as it is used for installing: as typed, with one trailing
// separator removed ("D:\GAMES\" is D:\GAMES, "C:\" is C:, "/" is the root
// written as nothing). Either separator counts; only one is removed.
std::string_view WithoutTrailingSeparator(std::string_view typed);

// Finds the field through the image's ELF section headers: exactly one section
// of the field's name, exactly the field's size, holding only the fill and the
// final NUL. Anything else is refused; no byte search can pick wrong bytes.
FieldLocation LocateInstallPathField(const std::uint8_t* data, std::size_t size);
FieldLocation LocateInstallPathField(const std::vector<std::uint8_t>& image);

// Copies the directory's characters into the field, with no terminator: the
// '?' after the last character marks the end. Refuses, writing nothing, an
// image whose field is missing, duplicated or damaged, a directory longer than
// the field can hold with a '?' after it, and a directory containing '?' or NUL,
// which would end it early when the viewer reads it.
// The image may lie in any buffer, such as the installer's transfer buffer.
PatchResult WriteInstallPath(std::uint8_t* image, std::size_t size, std::string_view directory);
PatchResult WriteInstallPath(std::vector<std::uint8_t>& image, std::string_view directory);

}  // namespace orbsetup
