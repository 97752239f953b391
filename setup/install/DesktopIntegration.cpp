#include "setup/install/DesktopIntegration.h"

#include <utility>

#include "platform/FileException.h"
#include "platform/Path.h"
#include "setup/install/DesktopEntry.h"
#include "setup/install/Directories.h"
#include "setup/install/InstallPaths.h"
#include "setup/install/InstalledFiles.h"
#include "setup/install/RemovedInstallations.h"
#include "setup/install/TransferBuffer.h"

namespace orbsetup {

namespace {

using platform::FileKind;
using platform::ReplacingFile;
using platform::Spelling;

// Puts `text` in the place of the host path `path`, first removing what an
// unfinished earlier write of it left.
void WriteText(const std::string& path, const std::string& text, FileKind kind) {
    ReplacingFile::RemoveStaleTemporaries(path, Spelling::kExact);
    WriteBytes(path, text.data(), text.size(), kind, Spelling::kExact);
}

}  // namespace

DesktopIntegration::DesktopIntegration(std::string medium, std::optional<std::string> applications)
    : m_medium(std::move(medium)), m_applications(std::move(applications)) {}

std::optional<PassProblem> DesktopIntegration::Install(const std::string& directory) const {
    try {
        InstallIcon(directory);
        InstallEntries(directory);
    } catch (const platform::FileException& error) {
        return PassProblem{error.Path(), error.Reason()};
    }
    if (m_applications) {
        RemoveEntriesOfRemovedInstallations(*m_applications);
    }
    return std::nullopt;
}

void DesktopIntegration::InstallIcon(const std::string& directory) const {
    const std::string target = ExactTargetPath(directory, kIconInstalledName);
    ReplacingFile::RemoveStaleTemporaries(target, Spelling::kExact);
    const std::size_t length = ReadWhole(MediumPath(m_medium, "", StoredName(kIconInstalledName)));
    WriteFromBuffer(target, length, FileKind::kData, Spelling::kExact);
}

void DesktopIntegration::InstallEntries(const std::string& directory) const {
    // The entry names the files as the host has them, whatever case was typed.
    DesktopEntryPlaces places;
    places.viewer = platform::ResolvePath(TargetPath(directory, "", kViewerInstalledName));
    places.icon = ExactTargetPath(directory, kIconInstalledName);
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
    WriteText(ExactTargetPath(directory, kInstalledEntryName), text, FileKind::kLaunchable);
    if (m_applications) {
        MakeDirectoryWithParents(*m_applications);
        WriteText(*m_applications + "/" + DesktopEntryFileName(places.directory), text,
                  FileKind::kData);
    }
}

}  // namespace orbsetup
