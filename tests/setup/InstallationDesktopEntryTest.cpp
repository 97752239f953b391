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

// The viewer runs without its menu entry: a pass that cannot make it is
// complete, and says where and why the entry is missing.
TEST_F(InstallationDesktopEntry, AnApplicationsFolderThatCannotBeMadeLeavesOnlyTheMenuEntryOut) {
    dataHome.Write("share", "a file where a directory should be");
    const fs::path dir = place.Path() / "orbilon";
    const PassOutcome outcome = Run(dir);
    ASSERT_TRUE(outcome.complete) << orbtest::Describe(outcome);
    ASSERT_TRUE(outcome.desktopMissed);
    EXPECT_EQ(outcome.desktopMissed->path, applications.string());
    EXPECT_NE(outcome.desktopMissed->reason.find(std::strerror(ENOTDIR)), std::string::npos)
        << outcome.desktopMissed->reason;
    EXPECT_EQ(orbtest::Listing(dir), orbtest::CompleteInstallation());

    fs::remove(dataHome.Path() / "share");
    const PassOutcome again = Run(dir);
    ASSERT_TRUE(again.complete);
    EXPECT_FALSE(again.desktopMissed);
    EXPECT_EQ(Entries().size(), 1u);
}

TEST_F(InstallationDesktopEntry, ADirectoryNameThatIsNotUtf8GetsNoEntryAndSaysWhy) {
    const fs::path dir = place.Path() / "old\xe9t\xe9";
    const PassOutcome outcome = Run(dir);
    ASSERT_TRUE(outcome.complete) << orbtest::Describe(outcome);
    ASSERT_TRUE(outcome.desktopMissed);
    EXPECT_EQ(outcome.desktopMissed->path, dir.string());
    EXPECT_NE(outcome.desktopMissed->reason.find("UTF-8"), std::string::npos);
    EXPECT_TRUE(fs::exists(dir / "orb.exe"));
    EXPECT_FALSE(fs::exists(dir / "orbilon.desktop"));
    EXPECT_TRUE(Entries().empty());
}

// The icon and the entries are no names of the release's: another spelling
// of them is the user's own file and stays as it is, in the installation
// directory and in the folders above the applications folder alike.
TEST_F(InstallationDesktopEntry, TheUsersFilesOfOtherSpellingsAreLeftAlone) {
    const fs::path dir = place.Path() / "orbilon";
    place.Write("orbilon/Orbilon.PNG", "the user's picture");
    place.Write("orbilon/ORBILON.desktop", "the user's entry");
    dataHome.Write("Share/Applications/keep", "the user's folder");
    const PassOutcome outcome = Run(dir);
    ASSERT_TRUE(outcome.complete) << orbtest::Describe(outcome);
    EXPECT_FALSE(outcome.desktopMissed);
    EXPECT_EQ(ReadAll(dir / "Orbilon.PNG"), "the user's picture");
    EXPECT_EQ(ReadAll(dir / "ORBILON.desktop"), "the user's entry");
    EXPECT_EQ(ReadAll(dir / "orbilon.png"),
              orbtest::Contents("orbilon.png", orbtest::FakeMedium::kIconBytes, 1));
    EXPECT_TRUE(fs::exists(dir / "orbilon.desktop"));
    EXPECT_EQ(orbtest::Listing(dataHome.Path() / "Share"),
              (std::set<std::string>{"Applications", "Applications/keep"}));
    EXPECT_EQ(Entries().size(), 1u);
}

// Unfinished copies of the icon and the entries that a killed pass left.
TEST_F(InstallationDesktopEntry, UnfinishedCopiesOfTheIconAndEntriesAreRemoved) {
    const fs::path dir = place.Path() / "orbilon";
    const std::string name = orbsetup::DesktopEntryFileName(dir.string());
    place.Write("orbilon/.orbilon.png.Ab12Cd", "x");
    place.Write("orbilon/.orbilon.desktop.Ab12Cd", "x");
    place.Write("orbilon/.Orbilon.PNG.Ab12Cd", "the user's");
    dataHome.Write("share/applications/." + name + ".Zz90aB", "x");
    ASSERT_TRUE(Run(dir).complete);
    EXPECT_EQ(orbtest::TemporaryFiles(dir), std::set<std::string>{".Orbilon.PNG.Ab12Cd"});
    EXPECT_TRUE(orbtest::TemporaryFiles(applications).empty());
}

// An entry this program wrote names its directory under a key of its own.
// Once that directory is gone from a parent that is still there, the entry
// starts nothing and goes; nothing else in the folder is touched.
TEST_F(InstallationDesktopEntry, EntriesOfInstallationsRemovedByHandGo) {
    const fs::path removed = place.Path() / "removed";
    const fs::path kept = place.Path() / "kept";
    ASSERT_TRUE(Run(removed).complete);
    ASSERT_TRUE(Run(kept).complete);
    const std::string removedEntry = orbsetup::DesktopEntryFileName(removed.string());
    const std::string keptEntry = orbsetup::DesktopEntryFileName(kept.string());
    fs::remove_all(removed);
    const std::string keyed = std::string(orbsetup::kDirectoryKey) + "=";
    // On a disk that is not mounted now: the parent is missing too.
    dataHome.Write("share/applications/unmounted.desktop",
                   "[Desktop Entry]\n" + keyed + "/media/absent/orbilon\n");
    // Named like ours, but not marked as ours.
    dataHome.Write("share/applications/orbilon-00000000.desktop",
                   "[Desktop Entry]\nExec=" + removed.string() + "/orb.exe\n");
    // Marked, but no desktop entry by its name, or in another group.
    dataHome.Write("share/applications/notes.txt",
                   "[Desktop Entry]\n" + keyed + removed.string() + "\n");
    dataHome.Write("share/applications/other-group.desktop",
                   "[Desktop Action x]\n" + keyed + removed.string() + "\n");
    fs::create_symlink(applications / removedEntry, applications / "link.desktop");
    const std::set<std::string> before = Entries();

    ASSERT_TRUE(Run(place.Path() / "third").complete);
    std::set<std::string> expected = before;
    expected.erase(removedEntry);
    expected.insert(orbsetup::DesktopEntryFileName((place.Path() / "third").string()));
    EXPECT_EQ(Entries(), expected);
    EXPECT_TRUE(Entries().count(keptEntry));
}

}  // namespace
