// A pass that cannot finish: told once per distinct failure, shown in the
// window while it lasts, retried every second until one completes.
#include <gtest/gtest.h>

#include <QImage>
#include <QTest>
#include <cstdlib>

#include "support/SetupRig.h"

namespace orbsetup {
namespace {

using InstallationPass = orbtest::SetupRig;

const PassOutcome kDenied{false, "/opt/orbilon/orb.exe", "Permission denied", {}};
const PassOutcome kMissing{false, "orb.ex_", "No such file or directory", {}};

// The foot of the client area, where the notice stands.
QColor Foot(COrbSetupView& view) {
    const QImage shown = view.grab().toImage();
    return shown.pixelColor(shown.width() / 2, shown.height() - 30);
}

int Distance(const QColor& a, const QColor& b) {
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
           std::abs(a.blue() - b.blue());
}

TEST_F(InstallationPass, AFailureIsToldOnceAndShownWhileTheRetriesGoOn) {
    StartShown();
    const QColor background = Foot(View());
    script = {kDenied, kDenied, kDenied, kDenied, kMissing, kMissing};
    Confirm(QStringLiteral("/opt/orbilon"));

    Tick();
    ASSERT_EQ(passes.size(), 1u);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0].find("/opt/orbilon/orb.exe"), std::string::npos) << reports[0];
    EXPECT_NE(reports[0].find("Permission denied"), std::string::npos) << reports[0];
    const QString shown = View().FailureNotice().Text();
    EXPECT_TRUE(shown.contains(QStringLiteral("/opt/orbilon/orb.exe")));
    EXPECT_TRUE(shown.contains(QStringLiteral("Permission denied")));
    // Nothing of the end happens: the pass is still due.
    EXPECT_EQ(View().PendingDirectory(), "/opt/orbilon");
    EXPECT_NE(Wizard(), nullptr);
    EXPECT_TRUE(View().IsWizardStage());
    EXPECT_FALSE(Complete().isVisible());

    Tick();
    Tick();
    EXPECT_EQ(passes.size(), 3u);
    EXPECT_EQ(reports.size(), 1u);
    // Drawn over the background (this paint is the fourth try).
    EXPECT_GT(Distance(Foot(View()), background), 30);
    EXPECT_EQ(passes.size(), 4u);
    EXPECT_EQ(reports.size(), 1u);

    // Another reason is news.
    Tick();
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_NE(reports[1].find("No such file or directory"), std::string::npos) << reports[1];
    EXPECT_TRUE(View().FailureNotice().Text().contains(QStringLiteral("orb.ex_")));
    Tick();
    EXPECT_EQ(reports.size(), 2u);

    // Mended: the next pass completes, and the notice goes.
    Tick();
    EXPECT_EQ(passes.size(), 7u);
    EXPECT_TRUE(Complete().isVisible());
    EXPECT_EQ(Wizard(), nullptr);
    EXPECT_FALSE(View().FailureNotice().IsShown());
    EXPECT_LE(Distance(Foot(View()), background), 3);
    EXPECT_EQ(reports.size(), 2u);
}

TEST_F(InstallationPass, TheSameFailureAfterAnotherIsToldAgain) {
    StartShown();
    script = {kDenied, kMissing, kDenied};
    Confirm(QStringLiteral("/opt/orbilon"));
    Tick();
    Tick();
    Tick();
    EXPECT_EQ(reports.size(), 3u);
}

TEST_F(InstallationPass, AnExceptionFromThePassCountsAsAFailedPass) {
    StartShown();
    throwNext = "out of memory";
    Confirm(QStringLiteral("/opt/orbilon"));
    Tick();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0].find("out of memory"), std::string::npos) << reports[0];
    EXPECT_FALSE(Complete().isVisible());
    Tick();
    EXPECT_TRUE(Complete().isVisible());
    EXPECT_EQ(passes.size(), 2u);
}

// The viewer and its files are in place; only the menu entry is missing. The
// installation ends as usual and says so once, without promising retries.
TEST_F(InstallationPass, AMissedMenuEntryIsToldOnceAndTheInstallationCompletes) {
    StartShown();
    const QColor background = Foot(View());
    script = {PassOutcome{true, {}, {}, PassProblem{"/home/al/.local/share", "Not a directory"}}};
    Confirm(QStringLiteral("/opt/orbilon"));
    Tick();
    EXPECT_TRUE(Complete().isVisible());
    EXPECT_EQ(Wizard(), nullptr);
    ASSERT_EQ(reports.size(), 1u);
    for (const char* part : {"/opt/orbilon", "/home/al/.local/share", "Not a directory",
                             "the menu entry was not made"}) {
        EXPECT_NE(reports[0].find(part), std::string::npos) << part << " in " << reports[0];
    }
    EXPECT_EQ(reports[0].find("tries again"), std::string::npos) << reports[0];
    EXPECT_EQ(View().FailureNotice().Text().toStdString(), reports[0]);
    Tick();
    EXPECT_EQ(passes.size(), 1u);
    EXPECT_EQ(reports.size(), 1u);
    EXPECT_GT(Distance(Foot(View()), background), 30);  // still shown over the background
}

}  // namespace
}  // namespace orbsetup
