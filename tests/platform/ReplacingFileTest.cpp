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

void Replace(const std::string& path, const std::string& contents, mode_t permissions) {
    ReplacingFile file;
    file.Create(path, permissions);
    file.Write(contents.data(), contents.size());
    file.Commit();
}

TEST(ReplacingFile, CommitPutsTheWholeNewFileInPlace) {
    orbtest::TempDir dir;
    const struct {
        const char* name;
        std::string old;  // empty: no file there before
        std::string now;
        mode_t permissions;
    } cases[] = {
        {"new.txt", "", "fresh", 0644},
        {"larger.txt", std::string(5000, 'o'), "short", 0644},
        {"smaller.txt", "old", std::string(7000, 'n'), 0600},
        {"orb.exe", "old program", "new program", 0755},
        {"empty.txt", "something", "", 0644},
    };
    for (const auto& c : cases) {
        if (!c.old.empty()) {
            dir.Write(c.name, c.old);
        }
        Replace(dir.Str() + "\\" + c.name, c.now, c.permissions);
        EXPECT_EQ(ReadAll(dir.Path() / c.name), c.now) << c.name;
        EXPECT_EQ(orbtest::Permissions(dir.Path() / c.name), c.permissions) << c.name;
    }
    EXPECT_TRUE(orbtest::TemporaryFiles(dir.Path()).empty());
}

TEST(ReplacingFile, TheTargetIsUntouchedUntilTheCommit) {
    orbtest::TempDir dir;
    dir.Write("README.txt", "old");
    {
        ReplacingFile file;
        file.Create(dir.Str() + "\\README.txt", 0644);
        file.Write("new contents", 12);
        EXPECT_EQ(ReadAll(dir.Path() / "README.txt"), "old");
        EXPECT_EQ(orbtest::TemporaryFiles(dir.Path()).size(), 1u);
        ReplacingFile absent;
        absent.Create(dir.Str() + "\\NEW.txt", 0644);
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
    Replace("README.txt", "new", 0644);
    fs::current_path(previous);
    EXPECT_EQ(orbtest::Listing(dir.Path()), std::set<std::string>{"README.txt"});
    EXPECT_EQ(ReadAll(dir.Path() / "README.txt"), "new");
}

TEST(ReplacingFile, ReplacesTheFileOfTheSameNameInAnyCase) {
    orbtest::TempDir dir;
    dir.Write("data/events.dat", "old");
    Replace(dir.Str() + "\\DATA\\EVENTS.DAT", "new", 0644);
    EXPECT_EQ(orbtest::Listing(dir.Path()), (std::set<std::string>{"data", "data/events.dat"}));
    EXPECT_EQ(ReadAll(dir.Path() / "data" / "events.dat"), "new");
}

TEST(ReplacingFile, FailuresNameTheTargetAndTheSystemsReason) {
    orbtest::TempDir dir;
    try {
        ReplacingFile file;
        file.Create(dir.Str() + "\\absent\\README.txt", 0644);
        FAIL() << "created a file in a missing directory";
    } catch (const platform::FileException& error) {
        EXPECT_EQ(error.Path(), dir.Str() + "/absent/README.txt");
        EXPECT_EQ(error.Reason(), std::string("cannot create (") + std::strerror(ENOENT) + ")");
    }
    // A directory cannot be replaced by a file; the temporary file goes.
    fs::create_directory(dir.Path() / "data");
    ReplacingFile file;
    file.Create(dir.Str() + "\\data", 0644);
    file.Write("x", 1);
    EXPECT_THROW(file.Commit(), platform::FileException);
    EXPECT_TRUE(fs::is_directory(dir.Path() / "data"));
    EXPECT_TRUE(orbtest::TemporaryFiles(dir.Path()).empty());
    // Nothing to write to before Create or after Commit.
    ReplacingFile unused;
    EXPECT_THROW(unused.Write("x", 1), platform::FileException);
    EXPECT_THROW(unused.Commit(), platform::FileException);
    ReplacingFile done;
    done.Create(dir.Str() + "\\done.txt", 0644);
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
            file.Create(dir.Str() + "\\ABCD.wav", 0644);
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
    Replace(program.string(), "the new viewer", 0755);
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
    EXPECT_EQ(ReadAll(program), "the new viewer");
}

}  // namespace
