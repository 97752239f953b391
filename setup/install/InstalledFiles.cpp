#include "setup/install/InstalledFiles.h"

// Written by the build into its own tree (cmake/WriteReleaseFiles.cmake).
#include "setup/install/ReleaseFiles.h"

namespace orbsetup {

namespace {

constexpr bool SameText(const char* a, const char* b) {
    while (*a != '\0' && *a == *b) {
        ++a;
        ++b;
    }
    return *a == *b;
}

// The size the build measured for `name`; 0 when it measured none.
constexpr std::size_t MeasuredBytes(const char* name) {
    for (const release::FileSize& file : release::kFileSizes) {
        if (SameText(file.name, name)) {
            return file.bytes;
        }
    }
    return 0;
}

constexpr InstalledFile Entry(const char* name, const char* subdirectory) {
    return InstalledFile{name, subdirectory, MeasuredBytes(name)};
}

constexpr std::array<InstalledFile, 13> kInstalledFiles = {{
    Entry("LICENSE.txt", ""),
    Entry("README.txt", ""),
    Entry("QUICK GUIDE.txt", ""),
    Entry("TROUBLE SHOOTING.txt", ""),
    Entry("VERSIONS.txt", ""),
    Entry("EVENTS.dat", "DATA"),
    Entry("BEEP.wav", ""),
    Entry("AX.wav", ""),
    Entry("ABD.wav", ""),
    Entry("ABCD.wav", ""),
    Entry("ABC.wav", ""),
    Entry("MAINDISP.gif", "EXAMPLE"),
    Entry("TIMELINE.gif", "EXAMPLE"),
}};

// A name the build did not measure, or a file the buffer cannot hold, stops
// the build here rather than the installation later.
constexpr bool AllMeasuredAndFit() {
    for (const InstalledFile& file : kInstalledFiles) {
        if (file.bytes == 0 || file.bytes > kTransferBufferSize) {
            return false;
        }
    }
    return true;
}
static_assert(AllMeasuredAndFit(), "every installed file needs a measured size within the buffer");

}  // namespace

const std::array<InstalledFile, 13>& InstalledFiles() {
    return kInstalledFiles;
}

std::string StoredName(std::string_view installedName) {
    std::string stored(installedName);
    if (!stored.empty()) {
        stored.back() = '_';
    }
    return stored;
}

const std::vector<std::string>& SceneFiles() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> list;
        for (const char* number : release::kSceneNumbers) {
            list.push_back(std::string(number) + ".map");
            list.push_back(std::string(number) + ".pal");
        }
        return list;
    }();
    return names;
}

}  // namespace orbsetup
