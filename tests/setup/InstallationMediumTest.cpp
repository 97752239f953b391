// The medium the build assembles, and a pass made from it.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "field/InstallPathField.h"
#include "setup/install/Installation.h"
#include "setup/install/InstalledFiles.h"
#include "setup/patch/InstallPathWriter.h"
#include "support/ChildProcess.h"
#include "support/FakeMedium.h"
#include "support/FileTree.h"
#include "support/InstallationListing.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;
using orbtest::ReadAll;

const fs::path kMedium = ORB_MEDIUM_DIR;

TEST(Medium, HoldsTheReleasesFilesAtTheSizesTheInstallationCopies) {
    for (const orbsetup::InstalledFile& file : orbsetup::InstalledFiles()) {
        const fs::path stored = kMedium / orbsetup::StoredName(file.name);
        ASSERT_TRUE(fs::exists(stored)) << stored;
        EXPECT_EQ(fs::file_size(stored), file.bytes) << stored;
    }
    std::set<std::string> scenes;
    for (const auto& entry : fs::directory_iterator(kMedium / "DATA")) {
        scenes.insert(entry.path().filename().string());
    }
    EXPECT_EQ(scenes,
              std::set<std::string>(orbsetup::SceneFiles().begin(), orbsetup::SceneFiles().end()));
}

TEST(Medium, TheStoredViewerKeepsItsFieldAndFitsTheBuffer) {
    const std::string image = ReadAll(kMedium / "orb.ex_");
    // The program as shipped keeps half the buffer free to grow into; the
    // sanitizers' instrumentation makes it several times larger, and it need
    // only fit.
    EXPECT_LT(image.size(),
              ORB_SANITIZED ? orbsetup::kTransferBufferSize : orbsetup::kTransferBufferSize / 2);
    EXPECT_LT(image.size(), fs::file_size(ORB_VIEWER_IMAGE));  // stripped
    const std::vector<std::uint8_t> bytes(image.begin(), image.end());
    const orbsetup::FieldLocation location = orbsetup::LocateInstallPathField(bytes);
    EXPECT_TRUE(location.found) << location.error;
}

TEST(StoredName, ReplacesTheLastCharacter) {
    EXPECT_EQ(orbsetup::StoredName("EVENTS.dat"), "EVENTS.da_");
    EXPECT_EQ(orbsetup::StoredName("QUICK GUIDE.txt"), "QUICK GUIDE.tx_");
    EXPECT_EQ(orbsetup::StoredName("x"), "_");
    EXPECT_EQ(orbsetup::StoredName(""), "");
}

class InstalledFromTheMedium : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        place = new orbtest::TempDir;
        const orbsetup::PassOutcome outcome =
            orbsetup::Installation(kMedium.string()).Run(Dir().string());
        ASSERT_TRUE(outcome.complete) << outcome.failedPath << ": " << outcome.reason;
    }
    static void TearDownTestSuite() {
        delete place;
        place = nullptr;
    }
    static fs::path Dir() { return place->Path() / "Orbilon 1.2"; }

    // Starts the installed viewer from another working directory, headless,
    // and returns what it says within a few seconds; it is then stopped.
    static std::string StartViewer() {
        return orbtest::CommandOutput("cd / && QT_QPA_PLATFORM=offscreen timeout -s KILL 4 '" +
                                      (Dir() / "orb.exe").string() + "' 2>&1");
    }

    static orbtest::TempDir* place;
};

orbtest::TempDir* InstalledFromTheMedium::place = nullptr;

TEST_F(InstalledFromTheMedium, TheViewerReadsItsDirectoryFromItsField) {
    const std::string stored = ReadAll(kMedium / "orb.ex_");
    const orbsetup::FieldLocation location =
        orbsetup::LocateInstallPathField(std::vector<std::uint8_t>(stored.begin(), stored.end()));
    ASSERT_TRUE(location.found) << location.error;
    std::string installed = ReadAll(Dir() / "orb.exe");
    ASSERT_EQ(installed.size(), stored.size());
    EXPECT_EQ(orb::TakeInstallDirectory(installed.data() + location.offset), Dir().string());
    // Nothing but the field differs from the stored image.
    installed.replace(location.offset, orb::kInstallPathFieldSize, orb::kInstallPathFieldSize, 0);
    std::string blank = stored;
    blank.replace(location.offset, orb::kInstallPathFieldSize, orb::kInstallPathFieldSize, 0);
    EXPECT_TRUE(installed == blank);
}

TEST_F(InstalledFromTheMedium, EveryFileIsTheMediumsCopy) {
    EXPECT_EQ(orbtest::Listing(Dir()), orbtest::CompleteInstallation());
    for (const orbsetup::InstalledFile& file : orbsetup::InstalledFiles()) {
        EXPECT_TRUE(ReadAll(Dir() / orbtest::InstalledRelative(file)) ==
                    ReadAll(kMedium / orbsetup::StoredName(file.name)))
            << file.name;
    }
    for (const std::string& scene : orbsetup::SceneFiles()) {
        EXPECT_TRUE(ReadAll(Dir() / "data" / scene) == ReadAll(kMedium / "DATA" / scene)) << scene;
    }
    // The desktop entry's icon: the viewer's own, a PNG 256 pixels square.
    const std::string icon = ReadAll(Dir() / orbsetup::kIconInstalledName);
    EXPECT_TRUE(icon == ReadAll(kMedium / "orbilon.pn_"));
    ASSERT_GE(icon.size(), 24u);
    EXPECT_EQ(icon.substr(0, 8), "\x89PNG\r\n\x1a\n");
    EXPECT_EQ(icon.substr(16, 8), std::string("\0\0\x01\0\0\0\x01\0", 8));  // IHDR width, height
}

TEST_F(InstalledFromTheMedium, TheInstalledViewerStartsAndFindsItsDatabank) {
    const std::string missing = "events databank could not be read";
    EXPECT_EQ(StartViewer().find(missing), std::string::npos);

    // The same start without the databank is reported, so silence above means it was found.
    const fs::path databank = Dir() / "data" / "EVENTS.dat";
    const fs::path aside = place->Path() / "EVENTS.dat";
    fs::rename(databank, aside);
    const std::string reported = StartViewer();
    fs::rename(aside, databank);
    EXPECT_NE(reported.find(missing), std::string::npos) << reported;
    EXPECT_NE(reported.find((Dir() / "data" / "EVENTS.DAT").string()), std::string::npos)
        << reported;
}

}  // namespace
