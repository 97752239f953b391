#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <string>

#include "platform/Path.h"
#include "setup/install/InstallDirectory.h"
#include "setup/install/InstallPaths.h"
#include "support/ChildProcess.h"
#include "support/InstallationFixture.h"

namespace {

namespace fs = std::filesystem;
using orbsetup::MediumPath;
using orbsetup::TargetPath;

TEST(InstallPaths, AreFormedWithTheInstallationsOwnStrings) {
    const struct {
        std::string directory, subdirectory, name, path;
    } cases[] = {
        {"D:\\GAMES", "", "orb.exe", "D:\\GAMES\\orb.exe"},
        {"/opt/orbilon", "DATA", "EVENTS.dat", "/opt/orbilon\\DATA\\EVENTS.dat"},
        {"/opt/orbilon", "EXAMPLE", "MAINDISP.gif", "/opt/orbilon\\EXAMPLE\\MAINDISP.gif"},
        // The root, which the check gives as the empty directory.
        {"", "", "orb.exe", "\\orb.exe"},
        {"", "DATA", "EVENTS.dat", "\\DATA\\EVENTS.dat"},
        {"", "", "data", "\\data"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TargetPath(c.directory, c.subdirectory, c.name), c.path);
    }
    EXPECT_EQ(MediumPath("", "", "orb.ex_"), "orb.ex_");
    EXPECT_EQ(MediumPath("", "DATA", "00.map"), "DATA\\00.map");
    EXPECT_EQ(MediumPath("/media/cd", "", "README.tx_"), "/media/cd\\README.tx_");
    EXPECT_EQ(MediumPath("/media/cd", "DATA", "99.pal"), "/media/cd\\DATA\\99.pal");
}

TEST(InstallPaths, TheRootGivesAnEmptyFieldAndPathsFromTheRoot) {
    const orbsetup::DirectoryCheck check = orbsetup::CheckInstallDirectory("/", {"/home/al", ""});
    ASSERT_TRUE(check.ok) << check.problem;
    EXPECT_EQ(check.directory, "");
    EXPECT_EQ(platform::ResolvePath(TargetPath(check.directory, "", "orb.exe")), "/orb.exe");
    EXPECT_EQ(fs::path(platform::ResolvePath(TargetPath(check.directory, "DATA", "EVENTS.dat")))
                  .parent_path()
                  .parent_path(),
              "/");
}

// A whole pass into "/", made inside a scratch directory that a child process
// takes as its root: nothing is written to the machine's real root.
TEST(InstallPaths, APassIntoTheRootInstallsThere) {
    orbtest::TempDir root;
    const orbtest::FakeMedium medium(ORB_FIELD_PROBE, 1);
    fs::copy(medium.Dir().Path(), root.Path() / "medium", fs::copy_options::recursive);
    const orbtest::ChildResult child = orbtest::RunInChild([&]() -> std::optional<std::string> {
        if (::chroot(root.Str().c_str()) != 0 || ::chdir("/") != 0) {
            return std::nullopt;
        }
        return orbtest::Describe(orbsetup::Installation("/medium").Run(""));
    });
    if (child.exitCode == orbtest::kChildDeclined) {
        GTEST_SKIP() << "NOT RUN: this process may not change its root directory";
    }
    ASSERT_EQ(child.exitCode, 0);
    ASSERT_EQ(child.output, "complete");
    fs::remove_all(root.Path() / "medium");
    EXPECT_EQ(orbtest::Listing(root.Path()), orbtest::CompleteInstallation());
    EXPECT_EQ(orbtest::CommandOutput("'" + (root.Path() / "orb.exe").string() + "'"), "[]\n");
}

}  // namespace
