// The menu entry a pass writes, started the way GNOME's menus start it
// (gio launch): whatever the directory is called, the installed viewer runs
// in its own directory, and nothing else the name might spell is executed.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include "setup/install/DesktopEntry.h"
#include "support/ChildProcess.h"
#include "support/InstallationFixture.h"

namespace {

namespace fs = std::filesystem;

// The probe installed as the viewer writes its working directory and its
// field into `report`; gio returns as soon as it has started it.
std::string Launch(const fs::path& entry, const fs::path& report) {
    orbtest::CommandOutput("ORB_PROBE_REPORT='" + report.string() + "' gio launch '" +
                           entry.string() + "' 2>&1");
    for (int wait = 0; wait < 200 && !fs::exists(report); ++wait) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    // The probe may still be writing; its last line ends the report.
    for (int wait = 0; wait < 200; ++wait) {
        const std::string text = orbtest::ReadAll(report);
        if (!text.empty() && text.back() == '\n' && text.find("]\n") != std::string::npos) {
            return text;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return "(the viewer did not start)";
}

class DesktopEntryLaunch : public orbtest::InstallationFixture {};

TEST_F(DesktopEntryLaunch, RunsTheViewerInItsDirectoryWhateverItsName) {
    const std::string names[] = {"My Games",
                                 "say \"when\"",
                                 "$HOME",
                                 "$(touch made-by-name)",
                                 "`touch made-by-name`",
                                 "100%",
                                 "50%f %u",
                                 "a;b",
                                 "it's",
                                 "\xc3\xa4ra \xe2\x82\xac",
                                 "trail "};
    int n = 0;
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        const fs::path dir = place.Path() / name;
        const orbsetup::PassOutcome outcome = installation.Run(dir.string());
        ASSERT_TRUE(outcome.complete) << orbtest::Describe(outcome);
        ASSERT_FALSE(outcome.desktopMissed);
        const fs::path report = place.Path() / ("report" + std::to_string(++n));
        const fs::path entry = applications / orbsetup::DesktopEntryFileName(dir.string());
        EXPECT_EQ(Launch(entry, report), dir.string() + "\n[" + dir.string() + "]\n");
    }
    for (const auto& file : fs::recursive_directory_iterator(place.Path())) {
        EXPECT_NE(file.path().filename(), "made-by-name") << file.path();
    }
    EXPECT_FALSE(fs::exists(fs::current_path() / "made-by-name"));
}

}  // namespace
