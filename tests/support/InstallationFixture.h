// A pass's surroundings: a stand-in medium, a scratch place to install into,
// a scratch applications folder and the installation reading from that medium.
#pragma once

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "setup/install/Installation.h"
#include "setup/install/InstalledFiles.h"
#include "support/FakeMedium.h"
#include "support/FileTree.h"
#include "support/InstallationListing.h"
#include "support/TempDir.h"

namespace orbtest {

inline std::string Describe(const orbsetup::PassOutcome& outcome) {
    return outcome.complete ? "complete" : outcome.failedPath + ": " + outcome.reason;
}

class InstallationFixture : public ::testing::Test {
  protected:
    // New files take their permissions from the umask: the usual one, whatever
    // the test runner's.
    InstallationFixture() : m_umask(::umask(022)) {}
    ~InstallationFixture() override { ::umask(m_umask); }

    // Every file of the table under `directory` holds the given generation's contents.
    static void ExpectFiles(const std::filesystem::path& directory, int generation) {
        for (const orbsetup::InstalledFile& file : orbsetup::InstalledFiles()) {
            const std::filesystem::path path = directory / InstalledRelative(file);
            EXPECT_EQ(ReadAll(path), Contents(file.name, file.bytes, generation)) << path;
        }
    }

    FakeMedium medium{ORB_FIELD_PROBE, 1};
    TempDir place;
    // The user's applications folder, its parents still to be made.
    TempDir dataHome;
    std::filesystem::path applications = dataHome.Path() / "share" / "applications";
    orbsetup::Installation installation{medium.Dir().Str(), applications.string()};

  private:
    mode_t m_umask;
};

}  // namespace orbtest
