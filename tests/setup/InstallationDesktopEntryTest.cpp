// The last step of a pass: the icon and the viewer's desktop entry, beside
// the viewer and in the user's applications folder, one per directory.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <set>
#include <string>

#include "setup/install/DesktopEntry.h"
#include "support/DesktopFileValidate.h"
#include "support/InstallationFixture.h"

namespace {

namespace fs = std::filesystem;
using orbsetup::PassOutcome;
using orbtest::ReadAll;

class InstallationDesktopEntry : public orbtest::InstallationFixture {
  protected:
    PassOutcome Run(const fs::path& directory) { return installation.Run(directory.string()); }

    std::set<std::string> Entries() const {
        return fs::exists(applications) ? orbtest::Listing(applications) : std::set<std::string>{};
    }
};

TEST_F(InstallationDesktopEntry, APassWritesTheSameEntryBesideTheViewerAndIntoTheMenus) {
    const fs::path dir = place.Path() / "orbilon";
    const PassOutcome outcome = Run(dir);
    ASSERT_TRUE(outcome.complete) << orbtest::Describe(outcome);

    const std::string name = orbsetup::DesktopEntryFileName(dir.string());
    ASSERT_EQ(Entries(), std::set<std::string>{name});
    const std::string text = ReadAll(applications / name);
    EXPECT_EQ(ReadAll(dir / "orbilon.desktop"), text);
    EXPECT_NE(text.find("\nExec=\"" + dir.string() + "/orb.exe\"\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\nPath=" + dir.string() + "\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\nIcon=" + dir.string() + "/orbilon.png\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\nComment=Orbilon installed in " + dir.string() + "\n"), std::string::npos)
        << text;
    EXPECT_EQ(orbtest::DesktopFileComplaints(text), "");

    EXPECT_EQ(ReadAll(dir / "orbilon.png"),
              orbtest::Contents("orbilon.png", orbtest::FakeMedium::kIconBytes, 1));
    EXPECT_EQ(orbtest::Permissions(dir / "orbilon.png"), 0644u);
    EXPECT_EQ(orbtest::Permissions(dir / "orbilon.desktop"), 0755u);
    EXPECT_EQ(orbtest::Permissions(applications / name), 0644u);
    EXPECT_TRUE(orbtest::TemporaryFiles(applications).empty());
}

TEST_F(InstallationDesktopEntry, AReinstallReplacesItsEntryAndTwoDirectoriesHaveTwo) {
    const fs::path first = place.Path() / "first";
    ASSERT_TRUE(Run(first).complete);
    const std::string name = orbsetup::DesktopEntryFileName(first.string());
    const std::string written = ReadAll(applications / name);
    place.Write("first/orbilon.desktop", "spoilt");
    dataHome.Write("share/applications/" + name, "spoilt");
    medium.WriteFiles(2);

    ASSERT_TRUE(Run(first).complete);
    EXPECT_EQ(Entries(), std::set<std::string>{name});
    EXPECT_EQ(ReadAll(applications / name), written);
    EXPECT_EQ(ReadAll(first / "orbilon.desktop"), written);
    EXPECT_EQ(ReadAll(first / "orbilon.png"),
              orbtest::Contents("orbilon.png", orbtest::FakeMedium::kIconBytes, 2));

    // Typed another way, the same directory keeps its one entry.
    ASSERT_TRUE(installation.Run(first.string() + "/").complete);
    EXPECT_EQ(Entries(), std::set<std::string>{name});

    const fs::path second = place.Path() / "second";
    ASSERT_TRUE(Run(second).complete);
    const std::string other = orbsetup::DesktopEntryFileName(second.string());
    EXPECT_EQ(Entries(), (std::set<std::string>{name, other}));
    EXPECT_NE(ReadAll(applications / other).find("Path=" + second.string() + "\n"),
              std::string::npos);
    EXPECT_EQ(ReadAll(applications / name), written);
}

TEST_F(InstallationDesktopEntry, DirectoriesWithAwkwardNamesGetEntriesTheCheckerAccepts) {
    for (const std::string leaf :
         {"My Games", "say \"when\"", "$HOME", "100%", "it's `now`", "\xc3\xa4ra"}) {
        const fs::path dir = place.Path() / leaf;
        const PassOutcome outcome = Run(dir);
        ASSERT_TRUE(outcome.complete) << leaf << ": " << orbtest::Describe(outcome);
        const std::string text =
            ReadAll(applications / orbsetup::DesktopEntryFileName(dir.string()));
        EXPECT_EQ(orbtest::DesktopFileComplaints(text), "") << leaf;
        EXPECT_NE(text.find("\nPath=" + dir.string() + "\n"), std::string::npos) << text;
    }
    EXPECT_EQ(Entries().size(), 6u);
}

TEST_F(InstallationDesktopEntry, WithoutAnApplicationsFolderOnlyTheEntryBesideTheViewerIsWritten) {
    const fs::path dir = place.Path() / "staged";
    const PassOutcome outcome = orbsetup::Installation(medium.Dir().Str()).Run(dir.string());
    ASSERT_TRUE(outcome.complete) << orbtest::Describe(outcome);
    EXPECT_EQ(orbtest::Listing(dir), orbtest::CompleteInstallation());
    EXPECT_FALSE(fs::exists(dataHome.Path() / "share"));
}

TEST_F(InstallationDesktopEntry, AnApplicationsFolderThatCannotBeMadeFailsThePassWithItsPath) {
    dataHome.Write("share", "a file where a directory should be");
    const fs::path dir = place.Path() / "orbilon";
    const PassOutcome failed = Run(dir);
    EXPECT_FALSE(failed.complete);
    EXPECT_EQ(failed.failedPath, applications.string());
    EXPECT_NE(failed.reason.find(std::strerror(ENOTDIR)), std::string::npos) << failed.reason;
    // Everything before the entry is in place; the next pass finishes.
    EXPECT_EQ(orbtest::Listing(dir), orbtest::CompleteInstallation());

    fs::remove(dataHome.Path() / "share");
    ASSERT_TRUE(Run(dir).complete);
    EXPECT_EQ(Entries().size(), 1u);
}

TEST_F(InstallationDesktopEntry, ADirectoryNameThatIsNotUtf8FailsThePassAndSaysWhy) {
    const fs::path dir = place.Path() / "old\xe9t\xe9";
    const PassOutcome failed = Run(dir);
    EXPECT_FALSE(failed.complete);
    EXPECT_EQ(failed.failedPath, dir.string());
    EXPECT_NE(failed.reason.find("UTF-8"), std::string::npos) << failed.reason;
    EXPECT_FALSE(fs::exists(dir / "orbilon.desktop"));
    EXPECT_TRUE(Entries().empty());
}

}  // namespace
