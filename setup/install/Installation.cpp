#include "setup/install/Installation.h"

#include <sys/types.h>

#include <array>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <string>

#include "platform/File.h"
#include "platform/FileException.h"
#include "platform/Path.h"
#include "platform/ReplacingFile.h"
#include "setup/install/DesktopEntry.h"
#include "setup/install/InstallPaths.h"
#include "setup/install/InstalledFiles.h"
#include "setup/patch/InstallPathWriter.h"

namespace orbsetup {

namespace {

constexpr mode_t kViewerPermissions = 0755;
constexpr mode_t kFilePermissions = 0644;
// File managers start only the entries they may execute.
constexpr mode_t kEntryPermissions = 0755;
constexpr unsigned kReadFlags = platform::File::modeRead | platform::File::shareDenyWrite;

// Every file moves through this one buffer, read whole and written whole. It
// is static so that no file's bytes ever need memory of their own.
std::array<std::uint8_t, kTransferBufferSize> g_transfer;

[[noreturn]] void Refuse(const std::string& path, const std::string& why) {
    throw platform::FileException(path, why);
}

// Reads the file whole into the buffer; one larger than the buffer is refused.
std::size_t ReadWhole(const std::string& path) {
    platform::File file;
    file.Open(path, kReadFlags);
    const std::uint64_t length = file.GetLength();
    if (length > g_transfer.size()) {
        Refuse(path, "it is " + std::to_string(length) + " bytes long; at most " +
                         std::to_string(g_transfer.size()) + " can be installed");
    }
    const auto count = static_cast<std::size_t>(length);
    if (file.Read(g_transfer.data(), count) != count) {
        Refuse(path, "it became shorter while it was read");
    }
    return count;
}

// Reads the first `count` bytes: a longer file is cut, a shorter one refused,
// so that no bytes of an earlier file are ever written in its place.
void ReadFirst(const std::string& path, std::size_t count) {
    platform::File file;
    file.Open(path, kReadFlags);
    const std::size_t got = file.Read(g_transfer.data(), count);
    if (got < count) {
        Refuse(path, "it holds " + std::to_string(got) + " bytes; this release's file has " +
                         std::to_string(count));
    }
}

// Puts `count` bytes in the target's place, all or nothing.
void WriteBytes(const std::string& path, const void* bytes, std::size_t count, mode_t permissions) {
    platform::ReplacingFile file;
    file.Create(path, permissions);
    file.Write(bytes, count);
    file.Commit();
}

// Puts the buffer's first `count` bytes in the target's place.
void WriteFromBuffer(const std::string& path, std::size_t count, mode_t permissions) {
    WriteBytes(path, g_transfer.data(), count, permissions);
}

// One level; a directory that is there already is fine.
void CreateDirectory(const std::string& path) {
    int error = 0;
    if (!platform::CreateDirectory(path, &error) && error != EEXIST) {
        Refuse(path, std::string("cannot create the directory (") + std::strerror(error) + ")");
    }
}

// Every level of `path` that is missing, from the top down.
void CreateDirectoryWithParents(const std::string& path) {
    for (std::size_t slash = path.find('/', 1); slash != std::string::npos;
         slash = path.find('/', slash + 1)) {
        CreateDirectory(path.substr(0, slash));
    }
    CreateDirectory(path);
}

}  // namespace

Installation::Installation(std::string medium, std::optional<std::string> applications)
    : m_medium(std::move(medium)), m_applications(std::move(applications)) {}

PassOutcome Installation::Run(const std::string& directory) {
    PassOutcome outcome;
    try {
        CreateDirectories(directory);
        InstallViewer(directory);
        InstallFiles(directory);
        AddMissingScenes(directory);
        InstallDesktopEntries(directory);
        outcome.complete = true;
    } catch (const platform::FileException& error) {
        outcome.failedPath = platform::ResolvePath(error.Path());
        outcome.reason = error.Reason();
    }
    return outcome;
}

void Installation::CreateDirectories(const std::string& directory) const {
    // The empty directory is the root, which is there.
    if (!directory.empty()) {
        CreateDirectory(directory);
    }
    CreateDirectory(TargetPath(directory, "", "data"));
    CreateDirectory(TargetPath(directory, "", "example"));
}

void Installation::InstallViewer(const std::string& directory) const {
    const std::string source = MediumPath(m_medium, "", kViewerStoredName);
    const std::size_t length = ReadWhole(source);
    const PatchResult patched = WriteInstallPath(g_transfer.data(), length, directory);
    if (!patched.ok) {
        Refuse(source, patched.error);
    }
    WriteFromBuffer(TargetPath(directory, "", kViewerInstalledName), length, kViewerPermissions);
}

void Installation::InstallFiles(const std::string& directory) const {
    for (const InstalledFile& file : InstalledFiles()) {
        ReadFirst(MediumPath(m_medium, "", StoredName(file.name)), file.bytes);
        WriteFromBuffer(TargetPath(directory, file.subdirectory, file.name), file.bytes,
                        kFilePermissions);
    }
}

void Installation::AddMissingScenes(const std::string& directory) const {
    for (const std::string& name : SceneFiles()) {
        const std::string target = TargetPath(directory, kSceneSubdirectory, name);
        // A scene file the user has is never touched.
        if (platform::PathExists(target)) {
            continue;
        }
        const std::size_t length = ReadWhole(MediumPath(m_medium, kSceneSubdirectory, name));
        WriteFromBuffer(target, length, kFilePermissions);
    }
}

void Installation::InstallDesktopEntries(const std::string& directory) const {
    const std::size_t length = ReadWhole(MediumPath(m_medium, "", StoredName(kIconInstalledName)));
    WriteFromBuffer(TargetPath(directory, "", kIconInstalledName), length, kFilePermissions);

    // The entry names the files as the host has them, whatever case was typed.
    DesktopEntryPlaces places;
    places.viewer = platform::ResolvePath(TargetPath(directory, "", kViewerInstalledName));
    places.icon = platform::ResolvePath(TargetPath(directory, "", kIconInstalledName));
    places.directory = places.viewer.substr(0, places.viewer.rfind('/'));
    if (places.directory.empty()) {
        places.directory = "/";
    }
    // The icon's and the directory's paths are the viewer's but for its name.
    const std::string problem = DesktopEntryProblem(places.viewer);
    if (!problem.empty()) {
        Refuse(places.directory, problem);
    }
    const std::string text = DesktopEntryText(places);
    WriteBytes(TargetPath(directory, "", kInstalledEntryName), text.data(), text.size(),
               kEntryPermissions);
    if (m_applications) {
        CreateDirectoryWithParents(*m_applications);
        WriteBytes(*m_applications + "/" + DesktopEntryFileName(places.directory), text.data(),
                   text.size(), kFilePermissions);
    }
}

}  // namespace orbsetup
