// Failures in the middle of a pass: whatever the user had stays whole, and no
// temporary file is left behind.
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "support/ChildProcess.h"
#include "support/InstallationFixture.h"

namespace {

namespace fs = std::filesystem;
using orbsetup::InstalledFile;
using orbsetup::InstalledFiles;
using orbtest::Describe;

// Every file of the installation as it is now, to compare after a failure.
std::vector<std::pair<std::string, std::string>> Snapshot(const fs::path& dir) {
    std::vector<std::pair<std::string, std::string>> files;
    for (const std::string& name : orbtest::Listing(dir)) {
        if (fs::is_regular_file(dir / name)) {
            files.emplace_back(name, orbtest::ReadAll(dir / name));
        }
    }
    return files;
}

class InstallationFaultTest : public orbtest::InstallationFixture {
  protected:
    void SetUp() override {
        dir = place.Path() / "orbilon";
        const orbsetup::PassOutcome first = installation.Run(dir.string());
        ASSERT_TRUE(first.complete) << Describe(first);
        // The next release's files wait on the medium.
        medium.WriteFiles(2);
        before = Snapshot(dir);
    }

    // The pass, run in a child after `restrict` has narrowed what it may do.
    orbtest::ChildResult RunRestricted(const std::function<bool()>& restrict) {
        return orbtest::RunInChild([&]() -> std::optional<std::string> {
            if (!restrict()) {
                return std::nullopt;
            }
            return Describe(installation.Run(dir.string()));
        });
    }

    fs::path dir;
    std::vector<std::pair<std::string, std::string>> before;
};

// Without the right to write anywhere but where others may: root's rights
// would ignore the directory's permissions.
bool DropRights() {
    if (::geteuid() != 0) {
        return true;
    }
    const uid_t nobody = 65534;
    return ::setgroups(0, nullptr) == 0 && ::setgid(nobody) == 0 && ::setuid(nobody) == 0;
}

TEST_F(InstallationFaultTest, AReadOnlyDirectoryKeepsItsFiles) {
    // The unprivileged child must be able to reach and read the medium.
    fs::permissions(place.Path(), fs::perms::owner_all | fs::perms::group_read |
                                      fs::perms::group_exec | fs::perms::others_read |
                                      fs::perms::others_exec);
    fs::permissions(medium.Dir().Path(), fs::perms::others_read | fs::perms::others_exec,
                    fs::perm_options::add);
    fs::permissions(dir, fs::perms::owner_write, fs::perm_options::remove);
    fs::permissions(dir, fs::perms::others_read | fs::perms::others_exec, fs::perm_options::add);

    const orbtest::ChildResult child = RunRestricted(&DropRights);
    fs::permissions(dir, fs::perms::owner_write, fs::perm_options::add);
    if (child.exitCode == orbtest::kChildDeclined) {
        GTEST_SKIP() << "NOT RUN: the child could not give up root's rights";
    }
    ASSERT_EQ(child.exitCode, 0);
    EXPECT_EQ(child.output,
              (dir / "orb.exe").string() + ": cannot create (" + std::strerror(EACCES) + ")");
    EXPECT_EQ(Snapshot(dir), before);
    EXPECT_TRUE(orbtest::TemporaryFiles(dir).empty());
}

// A file system that takes no file as large as the largest of the 13: the
// pass stops at the first file over the limit (the viewer, if it is larger).
TEST_F(InstallationFaultTest, AFullFileSystemStopsThePassAndKeepsTheOldFiles) {
    std::vector<std::pair<std::string, std::size_t>> order{
        {"orb.exe", static_cast<std::size_t>(fs::file_size(dir / "orb.exe"))}};
    std::size_t largest = 0;
    for (const InstalledFile& file : InstalledFiles()) {
        order.emplace_back(orbtest::InstalledRelative(file), file.bytes);
        largest = std::max(largest, file.bytes);
    }
    const std::size_t limit = largest - 1;
    std::size_t failing = 0;
    while (order[failing].second <= limit) {
        ++failing;
    }
    const orbtest::ChildResult child = RunRestricted([limit] {
        // Past the limit a write fails with "File too large" instead of a signal.
        const rlimit size{limit, limit};
        return std::signal(SIGXFSZ, SIG_IGN) != SIG_ERR && ::setrlimit(RLIMIT_FSIZE, &size) == 0;
    });
    ASSERT_EQ(child.exitCode, 0) << "the child could not limit its file size";
    EXPECT_EQ(child.output, (dir / order[failing].first).string() + ": write failed (" +
                                std::strerror(EFBIG) + ")");
    // Before the failure the new files, from it on the old ones, all whole.
    for (std::size_t i = 1; i < order.size(); ++i) {
        const InstalledFile& file = InstalledFiles()[i - 1];
        EXPECT_EQ(orbtest::ReadAll(dir / order[i].first),
                  orbtest::Contents(file.name, file.bytes, i < failing ? 2 : 1))
            << order[i].first;
    }
    EXPECT_EQ(orbtest::Listing(dir), orbtest::CompleteInstallation());
    EXPECT_TRUE(orbtest::TemporaryFiles(dir).empty());
}

TEST_F(InstallationFaultTest, ASourceRemovedBetweenPassesStopsAtItAndTheRunAfterFinishes) {
    const InstalledFile& removed = InstalledFiles()[8];
    const std::string stored = orbtest::ReadAll(medium.Stored(removed.name));
    fs::remove(medium.Stored(removed.name));

    const orbsetup::PassOutcome outcome = installation.Run(dir.string());
    EXPECT_FALSE(outcome.complete);
    EXPECT_EQ(outcome.failedPath, medium.Stored(removed.name).string());
    EXPECT_NE(outcome.reason.find(std::strerror(ENOENT)), std::string::npos) << outcome.reason;
    for (std::size_t i = 0; i < InstalledFiles().size(); ++i) {
        const InstalledFile& file = InstalledFiles()[i];
        EXPECT_EQ(orbtest::ReadAll(dir / orbtest::InstalledRelative(file)),
                  orbtest::Contents(file.name, file.bytes, i < 8 ? 2 : 1))
            << file.name;
    }
    EXPECT_TRUE(orbtest::TemporaryFiles(dir).empty());

    // Back on the medium, the next pass completes the upgrade.
    medium.Dir().Write(orbsetup::StoredName(removed.name), stored);
    const orbsetup::PassOutcome retried = installation.Run(dir.string());
    ASSERT_TRUE(retried.complete) << Describe(retried);
    ExpectFiles(dir, 2);
}

TEST_F(InstallationFaultTest, AMissingSceneFailsOnlyWhereTheDirectoryLacksIt) {
    fs::remove(medium.Dir().Path() / "DATA" / "42.pal");
    EXPECT_TRUE(installation.Run(dir.string()).complete);  // the directory has its own

    fs::remove(dir / "data" / "42.pal");
    const orbsetup::PassOutcome outcome = installation.Run(dir.string());
    EXPECT_FALSE(outcome.complete);
    EXPECT_EQ(outcome.failedPath, (medium.Dir().Path() / "DATA" / "42.pal").string());
    EXPECT_FALSE(fs::exists(dir / "data" / "42.pal"));
    EXPECT_TRUE(orbtest::TemporaryFiles(dir).empty());
}

TEST_F(InstallationFaultTest, AViewerImageThatCannotBeInstalledIsRefused) {
    const fs::path image = medium.Dir().Path() / "orb.ex_";
    const std::string installed = orbtest::ReadAll(dir / "orb.exe");
    const struct {
        const char* what;
        std::function<void()> store;
        const char* mentions;
    } cases[] = {
        {"not a program", [&] { medium.Dir().Write("orb.ex_", "text, not a program"); }, "ELF"},
        {"an installed copy", [&] { medium.Dir().Write("orb.ex_", installed); }, "not blank"},
        {"larger than the buffer",
         [&] {
             fs::copy_file(ORB_FIELD_PROBE, image);
             fs::resize_file(image, orbsetup::kTransferBufferSize + 1);
         },
         "8388608"},
        {"missing", [] {}, std::strerror(ENOENT)},
    };
    for (const auto& c : cases) {
        fs::remove(image);
        c.store();
        const orbsetup::PassOutcome outcome = installation.Run(dir.string());
        EXPECT_FALSE(outcome.complete) << c.what;
        EXPECT_EQ(outcome.failedPath, image.string()) << c.what;
        EXPECT_NE(outcome.reason.find(c.mentions), std::string::npos)
            << c.what << ": " << outcome.reason;
        EXPECT_EQ(Snapshot(dir), before) << c.what;
        EXPECT_TRUE(orbtest::TemporaryFiles(dir).empty()) << c.what;
    }
}

}  // namespace
