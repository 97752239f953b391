#include "setup/patch/InstallPathWriter.h"

#include <algorithm>
#include <cstring>

#include "field/InstallPathField.h"

namespace orbsetup {

namespace {

constexpr std::size_t kElfHeaderSize = 64;
constexpr std::size_t kSectionHeaderSize = 64;
constexpr std::uint32_t kSectionNoBits = 8;

// The image's bytes, wherever they are held.
struct Bytes {
    const std::uint8_t* data;
    std::size_t length;

    std::size_t size() const { return length; }
    std::uint8_t operator[](std::size_t at) const { return data[at]; }
};

// A little-endian field of `width` bytes with a bounds check; false when past the end.
bool ReadLE(const Bytes& b, std::size_t at, std::size_t width, std::uint64_t* out) {
    if (at > b.size() || b.size() - at < width) {
        return false;
    }
    *out = 0;
    for (std::size_t i = 0; i < width; ++i) {
        *out |= static_cast<std::uint64_t>(b[at + i]) << (8 * i);
    }
    return true;
}

bool ReadU16(const Bytes& b, std::size_t at, std::uint64_t* out) {
    return ReadLE(b, at, 2, out);
}

bool ReadU32(const Bytes& b, std::size_t at, std::uint64_t* out) {
    return ReadLE(b, at, 4, out);
}

bool ReadU64(const Bytes& b, std::size_t at, std::uint64_t* out) {
    return ReadLE(b, at, 8, out);
}

struct Section {
    std::uint64_t name, type, offset, size;
};

bool ReadSection(const Bytes& b, std::size_t at, Section* s) {
    return ReadU32(b, at, &s->name) && ReadU32(b, at + 4, &s->type) &&
           ReadU64(b, at + 24, &s->offset) && ReadU64(b, at + 32, &s->size);
}

// True when [offset, offset + size) lies inside the image.
bool InImage(const Bytes& b, std::uint64_t offset, std::uint64_t size) {
    return offset <= b.size() && size <= b.size() - offset;
}

// The NUL-terminated name at `offset` of the string table, compared in bounds.
bool NameIs(const Bytes& b, const Section& strtab, std::uint64_t nameOffset, const char* wanted) {
    const std::size_t length = std::strlen(wanted);
    if (nameOffset >= strtab.size || strtab.size - nameOffset < length + 1) {
        return false;
    }
    const std::size_t at = static_cast<std::size_t>(strtab.offset + nameOffset);
    return std::memcmp(b.data + at, wanted, length) == 0 && b[at + length] == 0;
}

FieldLocation Fail(std::string why) {
    FieldLocation location;
    location.error = std::move(why);
    return location;
}

}  // namespace

std::string_view WithoutTrailingSeparator(std::string_view typed) {
    if (!typed.empty() && (typed.back() == '\\' || typed.back() == '/')) {
        typed.remove_suffix(1);
    }
    return typed;
}

FieldLocation LocateInstallPathField(const std::uint8_t* data, std::size_t size) {
    const Bytes image{data, size};
    static const std::uint8_t kMagic[] = {0x7F, 'E', 'L', 'F'};
    if (image.size() < kElfHeaderSize || !std::equal(kMagic, kMagic + 4, data)) {
        return Fail("the viewer image is not an ELF file");
    }
    if (image[4] != 2 || image[5] != 1) {
        return Fail("the viewer image is not a 64-bit little-endian ELF file");
    }
    std::uint64_t shoff = 0, shentsize = 0, shnum = 0, shstrndx = 0;
    if (!ReadU64(image, 0x28, &shoff) || !ReadU16(image, 0x3A, &shentsize) ||
        !ReadU16(image, 0x3C, &shnum) || !ReadU16(image, 0x3E, &shstrndx)) {
        return Fail("the viewer image's ELF header is cut short");
    }
    if (shentsize != kSectionHeaderSize || shnum == 0 || shstrndx >= shnum ||
        !InImage(image, shoff, shnum * kSectionHeaderSize)) {
        return Fail("the viewer image's section table is damaged");
    }
    Section strtab{};
    if (!ReadSection(image, static_cast<std::size_t>(shoff + shstrndx * kSectionHeaderSize),
                     &strtab) ||
        !InImage(image, strtab.offset, strtab.size)) {
        return Fail("the viewer image's section names are damaged");
    }

    int matches = 0;
    Section field{};
    for (std::uint64_t i = 0; i < shnum; ++i) {
        Section s{};
        if (!ReadSection(image, static_cast<std::size_t>(shoff + i * kSectionHeaderSize), &s)) {
            return Fail("the viewer image's section table is damaged");
        }
        if (NameIs(image, strtab, s.name, orb::kInstallPathSection)) {
            ++matches;
            field = s;
        }
    }
    if (matches == 0) {
        return Fail("the viewer image has no install-path field");
    }
    if (matches > 1) {
        return Fail("the viewer image has more than one install-path field");
    }
    if (field.type == kSectionNoBits || field.size != orb::kInstallPathFieldSize ||
        !InImage(image, field.offset, field.size)) {
        return Fail("the viewer image's install-path field has the wrong size");
    }
    const std::uint8_t* begin = data + field.offset;
    const std::uint8_t* last = begin + (orb::kInstallPathFieldSize - 1);
    if (!std::all_of(begin, last, [](std::uint8_t c) { return c == orb::kInstallPathFill; }) ||
        *last != 0) {
        return Fail("the viewer image's install-path field is not blank (already installed?)");
    }
    FieldLocation location;
    location.found = true;
    location.offset = static_cast<std::size_t>(field.offset);
    return location;
}

FieldLocation LocateInstallPathField(const std::vector<std::uint8_t>& image) {
    return LocateInstallPathField(image.data(), image.size());
}

PatchResult WriteInstallPath(std::uint8_t* image, std::size_t size, std::string_view directory) {
    PatchResult result;
    if (directory.size() > orb::kInstallPathCapacity) {
        result.error = "the installation directory's name is " + std::to_string(directory.size()) +
                       " bytes long; at most " + std::to_string(orb::kInstallPathCapacity) +
                       " fit, and a letter outside ASCII takes more than one";
        return result;
    }
    if (directory.find(orb::kInstallPathFill) != std::string_view::npos ||
        directory.find('\0') != std::string_view::npos) {
        result.error = "the installation directory must not contain '?'";
        return result;
    }
    const FieldLocation location = LocateInstallPathField(image, size);
    if (!location.found) {
        result.error = location.error;
        return result;
    }
    std::copy(directory.begin(), directory.end(), image + location.offset);
    result.ok = true;
    return result;
}

PatchResult WriteInstallPath(std::vector<std::uint8_t>& image, std::string_view directory) {
    return WriteInstallPath(image.data(), image.size(), directory);
}

}  // namespace orbsetup
