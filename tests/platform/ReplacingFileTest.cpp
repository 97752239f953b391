#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <optional>
#include <set>
#include <string>

#include "platform/FileException.h"
#include "platform/ReplacingFile.h"
#include "support/ChildProcess.h"
#include "support/FileTree.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;
using orbtest::ReadAll;
using platform::ReplacingFile;

using platform::FileKind;
using platform::Spelling;

void Replace(const std::string& path, const std::string& contents, FileKind kind = FileKind::kData,
             Spelling spelling = Spelling::kAnyCase) {
    ReplacingFile file;
    file.Create(path, kind, spelling);
    file.Write(contents.data(), contents.size());
    file.Commit();
}

TEST(ReplacingFile, CommitPutsTheWholeNewFileInPlace) {
    orbtest::TempDir dir;
    const struct {
        const char* name;
        std::string old;  // empty: no file there before
        std::string now;
    } cases[] = {
        {"new.txt", "", "fresh"},
        {"larger.txt", std::string(5000, 'o'), "short"},
        {"smaller.txt", "old", std::string(7000, 'n')},
        {"empty.txt", "something", ""},
    };
    for (const auto& c : cases) {
        if (!c.old.empty()) {
            dir.Write(c.name, c.old);
        }
        Replace(dir.Str() + "\\" + c.name, c.now);
        EXPECT_EQ(ReadAll(dir.Path() / c.name), c.now) << c.name;
    }
    EXPECT_TRUE(orbtest::TemporaryFiles(dir.Path()).empty());
}

// A new file starts from 0666 or 0777 less the umask; a replaced one keeps
// its bits; a program may be run wherever it may be read.
TEST(ReplacingFile, PermissionsFollowTheKindTheUmaskAndTheTarget) {
    const struct {
        FileKind kind;
        mode_t umask;
        int before;  // -1: no file there before
        unsigned after;
    } cases[] = {
        {FileKind::kData, 022, -1, 0644},         {FileKind::kData, 077, -1, 0600},
        {FileKind::kLaunchable, 022, -1, 0755},   {FileKind::kLaunchable, 077, -1, 0700},
        {FileKind::kProgram, 027, -1, 0750},      {FileKind::kData, 022, 0600, 0600},
        {FileKind::kData, 022, 0664, 0664},       {FileKind::kData, 077, 0755, 0755},
        {FileKind::kLaunchable, 022, 0644, 0644}, {FileKind::kProgram, 022, 0644, 0755},
        {FileKind::kProgram, 077, 0640, 0750},    {FileKind::kProgram, 022, 0600, 0700},
    };
    orbtest::TempDir dir;
    int n = 0;
    for (const auto& c : cases) {
        const std::string name = "file" + std::to_string(++n);
        if (c.before >= 0) {
            dir.Write(name, "old");
            fs::permissions(dir.Path() / name, static_cast<fs::perms>(c.before));
        }
        const mode_t previous = ::umask(c.umask);
        Replace(dir.Str() + "\\" + name, "new", c.kind);
        ::umask(previous);
        EXPECT_EQ(orbtest::Permissions(dir.Path() / name), c.after) << name;
    }
}

TEST(ReplacingFile, TheTargetIsUntouchedUntilTheCommit) {
    orbtest::TempDir dir;
    dir.Write("README.txt", "old");
    {
        ReplacingFile file;
        file.Create(dir.Str() + "\\README.txt", FileKind::kData);
        file.Write("new contents", 12);
        EXPECT_EQ(ReadAll(dir.Path() / "README.txt"), "old");
        EXPECT_EQ(orbtest::TemporaryFiles(dir.Path()).size(), 1u);
        ReplacingFile absent;
        absent.Create(dir.Str() + "\\NEW.txt", FileKind::kData);
        EXPECT_FALSE(fs::exists(dir.Path() / "NEW.txt"));
    }
    // Never committed: the old file stays and the temporary files go.
    EXPECT_EQ(ReadAll(dir.Path() / "README.txt"), "old");
    EXPECT_EQ(orbtest::Listing(dir.Path()), std::set<std::string>{"README.txt"});
}

TEST(ReplacingFile, ABareNameIsReplacedInTheCurrentDirectory) {
    orbtest::TempDir dir;
    dir.Write("README.txt", "old");
    const fs::path previous = fs::current_path();
    fs::current_path(dir.Path());
    Replace("README.txt", "new");
    fs::current_path(previous);
    EXPECT_EQ(orbtest::Listing(dir.Path()), std::set<std::string>{"README.txt"});
    EXPECT_EQ(ReadAll(dir.Path() / "README.txt"), "new");
}

TEST(ReplacingFile, ReplacesTheFileOfTheSameNameInAnyCase) {
    orbtest::TempDir dir;
    dir.Write("data/events.dat", "old");
    Replace(dir.Str() + "\\DATA\\EVENTS.DAT", "new");
    EXPECT_EQ(orbtest::Listing(dir.Path()), (std::set<std::string>{"data", "data/events.dat"}));
    EXPECT_EQ(ReadAll(dir.Path() / "data" / "events.dat"), "new");
}

TEST(ReplacingFile, FailuresNameTheTargetAndTheSystemsReason) {
    orbtest::TempDir dir;
    try {
        ReplacingFile file;
        file.Create(dir.Str() + "\\absent\\README.txt", FileKind::kData);
        FAIL() << "created a file in a missing directory";
    } catch (const platform::FileException& error) {
        EXPECT_EQ(error.Path(), dir.Str() + "/absent/README.txt");
        EXPECT_EQ(error.Reason(), std::string("cannot create (") + std::strerror(ENOENT) + ")");
    }
    // A directory cannot be replaced by a file; the temporary file goes.
    fs::create_directory(dir.Path() / "data");
    ReplacingFile file;
    file.Create(dir.Str() + "\\data", FileKind::kData);
    file.Write("x", 1);
    EXPECT_THROW(file.Commit(), platform::FileException);
    EXPECT_TRUE(fs::is_directory(dir.Path() / "data"));
    EXPECT_TRUE(orbtest::TemporaryFiles(dir.Path()).empty());
    // Nothing to write to before Create or after Commit.
    ReplacingFile unused;
    EXPECT_THROW(unused.Write("x", 1), platform::FileException);
    EXPECT_THROW(unused.Commit(), platform::FileException);
    ReplacingFile done;
    done.Create(dir.Str() + "\\done.txt", FileKind::kData);
    done.Commit();
    EXPECT_THROW(done.Write("x", 1), platform::FileException);
    EXPECT_THROW(done.Commit(), platform::FileException);
}

TEST(ReplacingFile, AWriteThatFailsLeavesTheOldFileAndNoTemporaryFile) {
    orbtest::TempDir dir;
    const std::string old(300, 'o');
    dir.Write("ABCD.wav", old);
    const orbtest::ChildResult child = orbtest::RunInChild([&]() -> std::optional<std::string> {
        const rlimit size{1024, 1024};
        if (std::signal(SIGXFSZ, SIG_IGN) == SIG_ERR || ::setrlimit(RLIMIT_FSIZE, &size) != 0) {
            return std::nullopt;
        }
        ReplacingFile file;
        try {
            file.Create(dir.Str() + "\\ABCD.wav", FileKind::kData);
            file.Write(std::string(4096, 'n').data(), 4096);
        } catch (const platform::FileException& error) {
            // The temporary file is gone at once, not only with the object.
            return error.Reason() + ", " +
                   std::to_string(orbtest::TemporaryFiles(dir.Path()).size());
        }
        return "written";
    });
    ASSERT_EQ(child.exitCode, 0);
    EXPECT_EQ(child.output, std::string("write failed (") + std::strerror(EFBIG) + "), 0");
    EXPECT_EQ(ReadAll(dir.Path() / "ABCD.wav"), old);
    EXPECT_EQ(orbtest::Listing(dir.Path()), std::set<std::string>{"ABCD.wav"});
}

// A running program cannot be opened for writing, but it can be replaced.
TEST(ReplacingFile, ReplacesARunningProgram) {
    orbtest::TempDir dir;
    const fs::path program = dir.Path() / "orb.exe";
    fs::copy_file("/bin/sleep", program);
    char name[] = "orb.exe";
    char seconds[] = "30";
    char* const argv[] = {name, seconds, nullptr};
    pid_t pid = 0;
    ASSERT_EQ(::posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, environ), 0);
    EXPECT_EQ(::truncate(program.c_str(), 0), -1);
    EXPECT_EQ(errno, ETXTBSY);
    Replace(program.string(), "the new viewer", FileKind::kProgram);
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
    EXPECT_EQ(ReadAll(program), "the new viewer");
}

// A name outside the program's own is never matched in another case.
TEST(ReplacingFile, AnExactNameLeavesOtherSpellingsAlone) {
    orbtest::TempDir dir;
    dir.Write("Orbilon.PNG", "the user's own");
    Replace(dir.Str() + "/orbilon.png", "icon", FileKind::kData, Spelling::kExact);
    EXPECT_EQ(ReadAll(dir.Path() / "Orbilon.PNG"), "the user's own");
    EXPECT_EQ(ReadAll(dir.Path() / "orbilon.png"), "icon");
}

// What a killed replacement left: hidden, the target's name, six letters or
// digits. Nothing else goes, the user's look-alikes included.
TEST(ReplacingFile, StaleTemporariesOfTheTargetAreRemoved) {
    orbtest::TempDir dir;
    const std::set<std::string> kept = {"README.txt",
                                        ".README.txt.Ab3d5",
                                        ".README.txt.Ab3d5f7",
                                        ".README.txt.Ab-d5f",
                                        "README.txt.Ab3d5f",
                                        ".LICENSE.txt.Ab3d5f",
                                        ".readme.txt.Ab3d5f",
                                        "data",
                                        "data/.README.txt.Zz09aa"};
    for (const std::string& name : kept) {
        if (name != "data") {
            dir.Write(name, "x");
        }
    }
    dir.Write(".README.txt.Ab3d5f", "left by a killed pass");
    dir.Write(".README.txt.ZZZZZZ", "and another");
    ReplacingFile::RemoveStaleTemporaries(dir.Str() + "\\readme.TXT");
    EXPECT_EQ(orbtest::Listing(dir.Path()), kept);

    // An exact name removes only its own spelling's.
    dir.Write(".Orbilon.PNG.Ab3d5f", "x");
    dir.Write(".orbilon.png.Ab3d5f", "x");
    ReplacingFile::RemoveStaleTemporaries(dir.Str() + "/orbilon.png", Spelling::kExact);
    EXPECT_TRUE(fs::exists(dir.Path() / ".Orbilon.PNG.Ab3d5f"));
    EXPECT_FALSE(fs::exists(dir.Path() / ".orbilon.png.Ab3d5f"));
    // A directory that is not there has nothing to remove.
    EXPECT_NO_THROW(ReplacingFile::RemoveStaleTemporaries(dir.Str() + "/absent/x.txt"));
}

}  // namespace
