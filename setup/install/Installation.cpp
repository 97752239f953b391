#include "setup/install/Installation.h"

#include <string>

#include "platform/FileException.h"
#include "platform/Path.h"
#include "platform/ReplacingFile.h"
#include "setup/install/Directories.h"
#include "setup/install/InstallPaths.h"
#include "setup/install/InstalledFiles.h"
#include "setup/install/TransferBuffer.h"
#include "setup/patch/InstallPathWriter.h"

namespace orbsetup {

using platform::FileKind;
using platform::Spelling;

Installation::Installation(std::string medium, std::optional<std::string> applications)
    : m_medium(medium), m_desktop(std::move(medium), std::move(applications)) {}

PassOutcome Installation::Run(const std::string& directory) {
    PassOutcome outcome = RunStaged(directory, directory);
    if (outcome.complete) {
        outcome.desktopMissed = m_desktop.Install(directory);
    }
    return outcome;
}

PassOutcome Installation::RunStaged(const std::string& directory,
                                    const std::string& finalDirectory) {
    PassOutcome outcome;
    try {
        CreateDirectories(directory);
        RemoveUnfinishedCopies(directory);
        InstallViewer(directory, finalDirectory);
        InstallFiles(directory);
        AddMissingScenes(directory);
    } catch (const platform::FileException& error) {
        outcome.failedPath = platform::ResolvePath(error.Path());
        outcome.reason = error.Reason();
        return outcome;
    }
    outcome.complete = true;
    return outcome;
}

void Installation::CreateDirectories(const std::string& directory) const {
    // The empty directory is the root, which is there.
    if (!directory.empty()) {
        MakeDirectory(directory, Spelling::kAnyCase);
    }
    MakeDirectory(TargetPath(directory, "", "data"), Spelling::kAnyCase);
    MakeDirectory(TargetPath(directory, "", "example"), Spelling::kAnyCase);
}

void Installation::RemoveUnfinishedCopies(const std::string& directory) const {
    using platform::ReplacingFile;
    ReplacingFile::RemoveStaleTemporaries(TargetPath(directory, "", kViewerInstalledName));
    for (const InstalledFile& file : InstalledFiles()) {
        ReplacingFile::RemoveStaleTemporaries(TargetPath(directory, file.subdirectory, file.name));
    }
    for (const std::string& name : SceneFiles()) {
        ReplacingFile::RemoveStaleTemporaries(TargetPath(directory, kSceneSubdirectory, name));
    }
}

void Installation::InstallViewer(const std::string& directory,
                                 const std::string& fieldDirectory) const {
    const std::string source = MediumPath(m_medium, "", kViewerStoredName);
    const std::size_t length = ReadWhole(source);
    const PatchResult patched = WriteInstallPath(TransferBuffer(), length, fieldDirectory);
    if (!patched.ok) {
        Refuse(source, patched.error);
    }
    WriteFromBuffer(TargetPath(directory, "", kViewerInstalledName), length, FileKind::kProgram);
}

void Installation::InstallFiles(const std::string& directory) const {
    for (const InstalledFile& file : InstalledFiles()) {
        ReadFirst(MediumPath(m_medium, "", StoredName(file.name)), file.bytes);
        WriteFromBuffer(TargetPath(directory, file.subdirectory, file.name), file.bytes,
                        FileKind::kData);
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
        WriteFromBuffer(target, length, FileKind::kData);
    }
}

}  // namespace orbsetup
