// A distribution medium made in a scratch directory: a small program with an
// install-path field stored as "orb.ex_", each stored file at its size in
// InstalledFiles() and the icon, with contents that name the file and a
// generation, and every scene file of the base installation.
#pragma once

#include <filesystem>
#include <string>

#include "setup/install/InstalledFiles.h"
#include "support/FileTree.h"
#include "support/TempDir.h"

namespace orbtest {

// `bytes` bytes that tell which file and which generation they are.
inline std::string Contents(const std::string& name, std::size_t bytes, int generation) {
    const std::string unit = name + "/" + std::to_string(generation) + ";";
    std::string text;
    while (text.size() < bytes) {
        text += unit;
    }
    text.resize(bytes);
    return text;
}

class FakeMedium {
  public:
    // `viewer` is the program stored as "orb.ex_".
    FakeMedium(const std::filesystem::path& viewer, int generation) {
        m_dir.Write(orbsetup::kViewerStoredName, ReadAll(viewer));
        WriteFiles(generation);
        for (const std::string& scene : orbsetup::SceneFiles()) {
            m_dir.Write(std::string(orbsetup::kSceneSubdirectory) + "/" + scene,
                        Contents(scene, 64, generation));
        }
    }

    // Every stored file and the icon as the given generation has them.
    void WriteFiles(int generation) const {
        for (const orbsetup::InstalledFile& file : orbsetup::InstalledFiles()) {
            m_dir.Write(orbsetup::StoredName(file.name),
                        Contents(file.name, file.bytes, generation));
        }
        m_dir.Write(orbsetup::StoredName(orbsetup::kIconInstalledName),
                    Contents(orbsetup::kIconInstalledName, kIconBytes, generation));
    }

    static constexpr std::size_t kIconBytes = 300;

    std::filesystem::path Stored(const std::string& installedName) const {
        return m_dir.Path() / orbsetup::StoredName(installedName);
    }
    const TempDir& Dir() const { return m_dir; }

  private:
    TempDir m_dir;
};

}  // namespace orbtest
