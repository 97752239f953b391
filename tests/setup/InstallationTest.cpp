#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "setup/install/DesktopEntry.h"
#include "setup/install/InstallDirectory.h"
#include "support/ChildProcess.h"
#include "support/InstallationFixture.h"

namespace {

namespace fs = std::filesystem;
using orbsetup::InstalledFile;
using orbsetup::InstalledFiles;
using orbsetup::PassOutcome;
using orbtest::Contents;
using orbtest::ReadAll;

// What the installed viewer reads from its own field: the probe prints it.
std::string FieldOf(const fs::path& viewer) {
    return orbtest::CommandOutput("'" + viewer.string() + "'");
}

ino_t Inode(const fs::path& path) {
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info.st_ino;
}

class InstallationTest : public orbtest::InstallationFixture {
  protected:
    PassOutcome Run(const fs::path& directory) { return installation.Run(directory.string()); }
};

TEST_F(InstallationTest, AFirstPassInstallsTheViewerTheFilesAndTheScenes) {
    const fs::path dir = place.Path() / "orbilon";
    const PassOutcome outcome = Run(dir);
    ASSERT_TRUE(outcome.complete) << outcome.failedPath << ": " << outcome.reason;
    EXPECT_TRUE(outcome.failedPath.empty());
    EXPECT_EQ(orbtest::Listing(dir), orbtest::CompleteInstallation());

    const fs::path viewer = dir / "orb.exe";
    EXPECT_EQ(orbtest::Permissions(viewer), 0755u);
    EXPECT_EQ(FieldOf(viewer), "[" + dir.string() + "]\n");
    EXPECT_EQ(fs::file_size(viewer), fs::file_size(ORB_FIELD_PROBE));
    ExpectFiles(dir, 1);
    EXPECT_EQ(orbtest::Permissions(dir / "data" / "EVENTS.dat"), 0644u);
    for (const std::string& scene : orbsetup::SceneFiles()) {
        EXPECT_EQ(ReadAll(dir / "data" / scene), Contents(scene, 64, 1)) << scene;
    }
}

TEST_F(InstallationTest, TheDirectoryAsTypedIsTheOneInTheField) {
    const fs::path dir = place.Path() / "games";
    const struct {
        std::string typed;
        std::string home;
        fs::path installed;
    } cases[] = {
        {dir.string() + "/", "/nowhere", dir},
        {dir.string(), "/nowhere", dir},
        {dir.string() + "\\", "/nowhere", dir},
        {"~/games/", place.Str(), dir},
        {"~", (place.Path() / "home").string(), place.Path() / "home"},
    };
    for (const auto& c : cases) {
        const orbsetup::DirectoryCheck check =
            orbsetup::CheckInstallDirectory(c.typed, {c.home, ""});
        ASSERT_TRUE(check.ok) << c.typed << ": " << check.problem;
        const PassOutcome outcome = installation.Run(check.directory);
        ASSERT_TRUE(outcome.complete) << c.typed << ": " << outcome.reason;
        EXPECT_EQ(FieldOf(c.installed / "orb.exe"), "[" + c.installed.string() + "]\n") << c.typed;
        EXPECT_TRUE(fs::exists(c.installed / "README.txt")) << c.typed;
    }
}

TEST_F(InstallationTest, ADirectoryOf109CharactersFitsAndOneOf110IsRefused) {
    const std::string base = place.Str() + "/";
    ASSERT_LT(base.size(), 100u);
    const std::string longest = base + std::string(109 - base.size(), 'l');
    ASSERT_EQ(longest.size(), 109u);
    const PassOutcome outcome = installation.Run(longest);
    ASSERT_TRUE(outcome.complete) << outcome.reason;
    EXPECT_EQ(FieldOf(longest + "/orb.exe"), "[" + longest + "]\n");

    const std::string tooLong = base + std::string(110 - base.size(), 't');
    EXPECT_FALSE(orbsetup::CheckInstallDirectory(tooLong, {}).ok);
    // Handed over unchecked, the pass still never writes it into a viewer.
    const PassOutcome refused = installation.Run(tooLong);
    EXPECT_FALSE(refused.complete);
    EXPECT_NE(refused.reason.find("109"), std::string::npos) << refused.reason;
    EXPECT_EQ(refused.failedPath, (medium.Dir().Path() / "orb.ex_").string());
    EXPECT_FALSE(fs::exists(tooLong + "/orb.exe"));
}

TEST_F(InstallationTest, AViewerImageThatFillsTheWholeBufferIsInstalled) {
    const fs::path image = medium.Dir().Path() / "orb.ex_";
    fs::resize_file(image, orbsetup::kTransferBufferSize);  // zeros after the program's end
    const PassOutcome outcome = Run(place.Path());
    ASSERT_TRUE(outcome.complete) << outcome.reason;
    EXPECT_EQ(fs::file_size(place.Path() / "orb.exe"), orbsetup::kTransferBufferSize);
    EXPECT_EQ(FieldOf(place.Path() / "orb.exe"), "[" + place.Str() + "]\n");
}

TEST_F(InstallationTest, AMissingParentFailsThePassUntilItExists) {
    const fs::path parent = place.Path() / "absent";
    const fs::path dir = parent / "orbilon";
    const PassOutcome failed = Run(dir);
    EXPECT_FALSE(failed.complete);
    EXPECT_EQ(failed.failedPath, dir.string());
    EXPECT_NE(failed.reason.find(std::strerror(ENOENT)), std::string::npos) << failed.reason;
    EXPECT_FALSE(fs::exists(parent));

    fs::create_directory(parent);
    const PassOutcome retried = Run(dir);
    ASSERT_TRUE(retried.complete) << retried.reason;
    EXPECT_EQ(orbtest::Listing(dir), orbtest::CompleteInstallation());
}

TEST_F(InstallationTest, LargerOldFilesAreReplacedByFilesOfExactlyTheNewSize) {
    const fs::path dir = place.Path();
    place.Write("orb.exe", std::string(3 * fs::file_size(ORB_FIELD_PROBE), 'o'));
    for (const InstalledFile& file : InstalledFiles()) {
        place.Write(orbtest::InstalledRelative(file), std::string(file.bytes * 2 + 7, 'x'));
    }
    const PassOutcome outcome = Run(dir);
    ASSERT_TRUE(outcome.complete) << outcome.reason;
    EXPECT_EQ(fs::file_size(dir / "orb.exe"), fs::file_size(ORB_FIELD_PROBE));
    EXPECT_EQ(FieldOf(dir / "orb.exe"), "[" + dir.string() + "]\n");
    ExpectFiles(dir, 1);
}

TEST_F(InstallationTest, AStoredFileLongerThanItsSizeIsCut) {
    for (const InstalledFile& file : {InstalledFiles()[1], InstalledFiles()[12]}) {
        medium.Dir().Write(orbsetup::StoredName(file.name),
                           Contents(file.name, file.bytes + 500, 1));
    }
    const PassOutcome outcome = Run(place.Path());
    ASSERT_TRUE(outcome.complete) << outcome.reason;
    ExpectFiles(place.Path(), 1);
}

TEST_F(InstallationTest, AShortStoredFileIsRefusedAndNothingTakesItsPlace) {
    const fs::path dir = place.Path() / "orbilon";
    ASSERT_TRUE(Run(dir).complete);
    // The next release's files, one of them a byte short.
    medium.WriteFiles(2);
    const std::size_t shortOne = 5;  // the databank, after five documents
    const InstalledFile& cut = InstalledFiles()[shortOne];
    medium.Dir().Write(orbsetup::StoredName(cut.name), Contents(cut.name, cut.bytes - 1, 2));

    const PassOutcome outcome = Run(dir);
    EXPECT_FALSE(outcome.complete);
    EXPECT_EQ(outcome.failedPath, medium.Stored(cut.name).string());
    EXPECT_NE(outcome.reason.find(std::to_string(cut.bytes)), std::string::npos) << outcome.reason;
    for (std::size_t i = 0; i < InstalledFiles().size(); ++i) {
        const InstalledFile& file = InstalledFiles()[i];
        const int generation = i < shortOne ? 2 : 1;
        EXPECT_EQ(ReadAll(dir / orbtest::InstalledRelative(file)),
                  Contents(file.name, file.bytes, generation))
            << file.name;
    }
    EXPECT_EQ(orbtest::Listing(dir), orbtest::CompleteInstallation());

    // Into a new directory the short file leaves nothing behind either.
    const fs::path fresh = place.Path() / "fresh";
    EXPECT_FALSE(Run(fresh).complete);
    EXPECT_FALSE(fs::exists(fresh / "data" / cut.name));
    EXPECT_EQ(orbtest::Listing(fresh).count("data"), 1u);
    EXPECT_TRUE(orbtest::TemporaryFiles(fresh).empty());
}

TEST_F(InstallationTest, ScenesAreCopiedOnlyWhereTheDirectoryLacksThem) {
    const fs::path dir = place.Path();
    place.Write("data/05.map", "my own scene");
    place.Write("data/17.MAP", "mine in capitals");
    const ino_t before = Inode(dir / "data" / "05.map");

    const PassOutcome outcome = Run(dir);
    ASSERT_TRUE(outcome.complete) << outcome.reason;
    EXPECT_EQ(ReadAll(dir / "data" / "05.map"), "my own scene");
    EXPECT_EQ(Inode(dir / "data" / "05.map"), before);
    EXPECT_EQ(ReadAll(dir / "data" / "17.MAP"), "mine in capitals");
    EXPECT_FALSE(fs::exists(dir / "data" / "17.map"));
    EXPECT_EQ(ReadAll(dir / "data" / "05.pal"), Contents("05.pal", 64, 1));

    // An upgrade of a directory that has every scene needs none from the medium.
    fs::remove_all(medium.Dir().Path() / "DATA");
    medium.WriteFiles(2);
    const PassOutcome upgrade = Run(dir);
    ASSERT_TRUE(upgrade.complete) << upgrade.reason;
    ExpectFiles(dir, 2);
    EXPECT_EQ(ReadAll(dir / "data" / "05.map"), "my own scene");
}

// A package's staging tree: the field names where the package puts the
// files, the desktop's files are the package's own, and the scene files the
// package links from its medium stay links.
TEST_F(InstallationTest, AStagedPassNamesTheFinalPlaceAndMakesNoDesktopFiles) {
    const std::string final = "/usr/libexec/orbilon/viewer";
    const fs::path staged = place.Path() / "stage" / "usr" / "libexec" / "orbilon" / "viewer";
    const fs::path shared = place.Write("medium/05.map", "the medium's scene");
    fs::create_directories(staged / "data");
    fs::create_symlink(shared, staged / "data" / "05.map");

    const PassOutcome outcome = installation.RunStaged(staged.string(), final);
    ASSERT_TRUE(outcome.complete) << orbtest::Describe(outcome);
    EXPECT_FALSE(outcome.desktopMissed);
    std::set<std::string> expected = orbtest::CompleteInstallation();
    expected.erase(orbsetup::kIconInstalledName);
    expected.erase(orbsetup::kInstalledEntryName);
    EXPECT_EQ(orbtest::Listing(staged), expected);
    EXPECT_EQ(FieldOf(staged / "orb.exe"), "[" + final + "]\n");
    EXPECT_EQ(orbtest::Permissions(staged / "orb.exe"), 0755u);
    ExpectFiles(staged, 1);
    EXPECT_TRUE(fs::is_symlink(staged / "data" / "05.map"));
    EXPECT_EQ(ReadAll(staged / "data" / "05.map"), "the medium's scene");
    EXPECT_EQ(ReadAll(staged / "data" / "05.pal"), Contents("05.pal", 64, 1));
    // The user's menus are left alone.
    EXPECT_FALSE(fs::exists(applications));
}

// The wizard's check of the packaged installation looks at the disk: every
// spelling and link that leads there is refused, and nothing else is.
TEST_F(InstallationTest, ThePackagedInstallationIsRefusedUnderEverySpelling) {
    const fs::path packaged = place.Path() / "usr" / "libexec" / "orbilon" / "viewer";
    fs::create_directories(packaged);
    fs::create_directories(place.Path() / "home" / "al");
    fs::create_symlink(packaged, place.Path() / "home" / "al" / "link");
    const orbsetup::DirectoryRules rules{(place.Path() / "home" / "al").string(),
                                         packaged.string()};
    const struct {
        std::string typed;
        bool ok;
    } cases[] = {
        {packaged.string(), false},
        {packaged.string() + "/", false},
        {place.Str() + "/usr/libexec/orbilon/../orbilon/viewer", false},
        {place.Str() + "/USR/libexec/Orbilon/VIEWER", false},
        {"~/link", false},
        {place.Str() + "/usr/libexec/orbilon", true},
        {packaged.string() + "/mine", true},
        {place.Str() + "/usr/libexec/orbilon/viewer2", true},
        {"~/orbilon", true},
    };
    for (const auto& c : cases) {
        const orbsetup::DirectoryCheck check = orbsetup::CheckInstallDirectory(c.typed, rules);
        EXPECT_EQ(check.ok, c.ok) << c.typed << ": " << check.problem;
        if (!c.ok) {
            EXPECT_NE(check.problem.find("package"), std::string::npos) << check.problem;
        }
    }
    // Without a packaged installation the same directory is the user's to use.
    EXPECT_TRUE(orbsetup::CheckInstallDirectory(packaged.string(), {rules.home, ""}).ok);
}

TEST_F(InstallationTest, AnEmptyMediumIsTheCurrentDirectory) {
    const fs::path dir = place.Path() / "orbilon";
    const fs::path previous = fs::current_path();
    fs::current_path(medium.Dir().Path());
    const PassOutcome outcome = orbsetup::Installation("").Run(dir.string());
    fs::current_path(previous);
    ASSERT_TRUE(outcome.complete) << outcome.failedPath << ": " << outcome.reason;
    ExpectFiles(dir, 1);
}

// New files and directories are as private as the user's umask makes them;
// a file the user gave other permissions keeps them, except that the viewer
// can always be run by whoever may read it.
TEST_F(InstallationTest, PermissionsFollowTheUmaskAndWhatTheUserGave) {
    const fs::path dir = place.Path() / "orbilon";
    const auto passUnder = [&](mode_t mask) {
        return orbtest::RunInChild([&]() -> std::optional<std::string> {
            ::umask(mask);
            return orbtest::Describe(installation.Run(dir.string()));
        });
    };
    const orbtest::ChildResult first = passUnder(077);
    ASSERT_EQ(first.output, "complete");
    const std::string entry = orbsetup::DesktopEntryFileName(dir.string());
    const struct {
        fs::path path;
        unsigned mode;
    } made[] = {{dir, 0700},
                {dir / "data", 0700},
                {dir / "example", 0700},
                {dir / "orb.exe", 0700},
                {dir / "README.txt", 0600},
                {dir / "data" / "EVENTS.dat", 0600},
                {dir / "data" / "00.map", 0600},
                {dir / "orbilon.png", 0600},
                {dir / "orbilon.desktop", 0700},
                {applications / entry, 0600}};
    for (const auto& m : made) {
        EXPECT_EQ(orbtest::Permissions(m.path), m.mode) << m.path;
    }

    fs::permissions(dir / "README.txt", static_cast<fs::perms>(0640));
    fs::permissions(dir / "LICENSE.txt", static_cast<fs::perms>(0664));
    fs::permissions(dir / "orb.exe", static_cast<fs::perms>(0644));
    fs::permissions(dir / "orbilon.desktop", static_cast<fs::perms>(0600));
    ASSERT_EQ(passUnder(022).output, "complete");
    EXPECT_EQ(orbtest::Permissions(dir / "README.txt"), 0640u);
    EXPECT_EQ(orbtest::Permissions(dir / "LICENSE.txt"), 0664u);
    EXPECT_EQ(orbtest::Permissions(dir / "orb.exe"), 0755u);
    EXPECT_EQ(orbtest::Permissions(dir / "orbilon.desktop"), 0600u);
    EXPECT_EQ(orbtest::Permissions(dir / "AX.wav"), 0600u);  // as the first pass made it
}

// What a pass killed halfway leaves: hidden copies of its own files, named
// after them. The next pass removes those, and only those.
TEST_F(InstallationTest, UnfinishedCopiesOfAKilledPassAreRemoved) {
    const fs::path dir = place.Path() / "orbilon";
    ASSERT_TRUE(Run(dir).complete);
    const std::set<std::string> left = {".orb.exe.Ab12Cd", ".README.txt.x1Y2z3",
                                        "data/.EVENTS.dat.Qw12Er", "data/.00.map.Zz99Yy",
                                        "example/.MAINDISP.gif.Aa11Bb"};
    const std::set<std::string> users = {".README.txt.bak", ".notes.txt.Ab12Cd",
                                         "data/.events.dat.Qw12Er"};
    for (const std::set<std::string>& names : {left, users}) {
        for (const std::string& name : names) {
            place.Write("orbilon/" + name, "x");
        }
    }
    ASSERT_TRUE(Run(dir).complete);
    EXPECT_EQ(orbtest::TemporaryFiles(dir), users);
}

// A directory the pass makes is flushed into its parent on disk before the
// next step, as each file it writes is flushed into its directory.
TEST_F(InstallationTest, NewDirectoriesAreFlushedIntoTheirParents) {
    const fs::path dir = place.Path() / "orbilon";
    const fs::path log = place.Path() / "calls";
    orbtest::CommandOutput("strace -f -y -e trace=mkdir,fsync -o '" + log.string() + "' '" +
                           ORB_STAGE + "' '" + medium.Dir().Str() + "' '" + dir.string() + "'");
    std::vector<std::string> calls;
    std::istringstream lines(ReadAll(log));
    for (std::string line; std::getline(lines, line);) {
        // "PID call": the call alone, without the number of a descriptor or
        // the blanks that line the results up.
        std::string call;
        const std::size_t afterPid = line.find_first_not_of(' ', line.find(' '));
        for (const char c : line.substr(std::min(afterPid, line.size()))) {
            if (!(c == ' ' && !call.empty() && call.back() == ' ')) {
                call += c;
            }
        }
        if (call.rfind("fsync(", 0) == 0) {
            call.erase(6, call.find('<') - 6);
        }
        calls.push_back(call);
    }
    const auto flushAfter = [&](const fs::path& made) {
        const auto at = std::find_if(calls.begin(), calls.end(), [&](const std::string& call) {
            return call.rfind("mkdir(\"" + made.string() + "\", 0777) = 0", 0) == 0;
        });
        return at == calls.end() || at + 1 == calls.end() ? std::string("(not made)") : *(at + 1);
    };
    const std::string parent = "fsync(<" + place.Str() + ">) = 0";
    const std::string own = "fsync(<" + dir.string() + ">) = 0";
    EXPECT_EQ(flushAfter(dir), parent);
    EXPECT_EQ(flushAfter(dir / "data"), own);
    EXPECT_EQ(flushAfter(dir / "example"), own);
}

}  // namespace
