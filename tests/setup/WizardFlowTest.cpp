// The wizard's buttons and the view's answer to them: the states from the
// first paint to the completion dialog, and every way of not installing.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <string>

#include "support/ModalWatch.h"
#include "support/SetupRig.h"

namespace orbsetup {
namespace {

using WizardFlow = orbtest::SetupRig;

TEST_F(WizardFlow, FirstPaintStartsTheTimerAndOpensTheWizardOnce) {
    Start();
    ASSERT_TRUE(started);
    // Starting: the wizard exists without a window, and no timer runs.
    ASSERT_NE(Wizard(), nullptr);
    EXPECT_FALSE(Wizard()->HasWindow());
    EXPECT_TRUE(timers->settings.empty());
    EXPECT_TRUE(View().IsWizardStage());

    ASSERT_TRUE(QTest::qWaitForWindowExposed(Frame()));
    View().repaint();
    EXPECT_TRUE(Wizard()->HasWindow());
    EXPECT_TRUE(Wizard()->isVisible());
    ASSERT_EQ(timers->settings.size(), 1u);
    EXPECT_EQ(timers->settings[0].id, 1);
    EXPECT_EQ(timers->settings[0].periodMs, 1000);

    for (int i = 0; i < 3; ++i) {
        View().repaint();
        Tick();
    }
    EXPECT_EQ(timers->settings.size(), 1u);
    EXPECT_TRUE(passes.empty());
}

TEST_F(WizardFlow, OkTakesTheDirectoryAndTheNextPaintInstallsIt) {
    StartShown();
    Confirm(QStringLiteral("/opt/orbilon"));
    // Pending: the wizard's window is gone, its object stays until the end.
    EXPECT_EQ(View().PendingDirectory(), "/opt/orbilon");
    ASSERT_NE(Wizard(), nullptr);
    EXPECT_FALSE(Wizard()->isVisible());
    EXPECT_TRUE(passes.empty());

    Tick();
    ASSERT_EQ(passes.size(), 1u);
    EXPECT_EQ(passes[0], "/opt/orbilon");
    // Done.
    EXPECT_EQ(Wizard(), nullptr);
    EXPECT_FALSE(View().IsWizardStage());
    EXPECT_FALSE(View().PendingDirectory().has_value());
    EXPECT_TRUE(Complete().isVisible());
    EXPECT_TRUE(reports.empty());

    // Later paints only draw: the installation ran once.
    Tick();
    View().repaint();
    EXPECT_EQ(passes.size(), 1u);
}

TEST_F(WizardFlow, TheDirectoryIsTakenAsTheCheckGivesIt) {
    StartShown();
    Confirm(QStringLiteral("~/games/orbilon/"));
    EXPECT_EQ(View().PendingDirectory(), "/home/tester/games/orbilon");
}

TEST_F(WizardFlow, TheRootIsInstalledAsTheEmptyDirectory) {
    StartShown();
    Confirm(QStringLiteral("/"));
    EXPECT_EQ(View().PendingDirectory(), "");
    Tick();
    ASSERT_EQ(passes.size(), 1u);
    EXPECT_EQ(passes[0], "");
    EXPECT_TRUE(Complete().isVisible());
}

TEST_F(WizardFlow, CompletionOkClosesItsWindowAndNothingFollows) {
    StartShown();
    Confirm(QStringLiteral("/opt/orbilon"));
    View().repaint();
    ASSERT_TRUE(Complete().isVisible());
    QTest::mouseClick(Complete().OkButton(), Qt::LeftButton);
    // Posted: the window closes when the view takes the message.
    EXPECT_TRUE(Complete().isVisible());
    DeliverDialogMessages();
    EXPECT_FALSE(Complete().isVisible());
    EXPECT_FALSE(Complete().HasWindow());
    Tick();
    EXPECT_EQ(passes.size(), 1u);
    EXPECT_TRUE(Frame()->isVisible());
}

TEST_F(WizardFlow, CompletionEscapeClosesItWithoutAMessage) {
    StartShown();
    Confirm(QStringLiteral("/opt/orbilon"));
    View().repaint();
    ASSERT_TRUE(Complete().isVisible());
    QTest::keyClick(Complete().OkButton(), Qt::Key_Escape);
    EXPECT_FALSE(Complete().isVisible());
    Tick();
    EXPECT_EQ(passes.size(), 1u);
}

struct CancelWay {
    const char* name;
    std::function<void(CUpgradeWizardDlg&)> press;
};

class WizardCancel : public orbtest::SetupRig, public ::testing::WithParamInterface<CancelWay> {};

TEST_P(WizardCancel, ClosesTheWizardAndNothingCanInstallAfterwards) {
    StartShown();
    CUpgradeWizardDlg& wizard = *Wizard();
    QTest::keyClicks(wizard.DirectoryEdit(), QStringLiteral("/opt/orbilon"));
    GetParam().press(wizard);
    // The edit is emptied at once; the window goes with the message.
    EXPECT_TRUE(wizard.DirectoryEdit()->text().isEmpty());
    EXPECT_TRUE(wizard.m_strDirectory.isEmpty());
    EXPECT_TRUE(wizard.isVisible());
    DeliverDialogMessages();
    // Idle.
    EXPECT_FALSE(wizard.isVisible());
    EXPECT_FALSE(View().PendingDirectory().has_value());
    for (int i = 0; i < 3; ++i) {
        Tick();
        View().repaint();
    }
    EXPECT_TRUE(passes.empty());
    EXPECT_FALSE(wizard.isVisible());
    EXPECT_FALSE(Complete().isVisible());
    EXPECT_TRUE(Frame()->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    EveryWay, WizardCancel,
    ::testing::Values(CancelWay{"CancelButton",
                                [](CUpgradeWizardDlg& w) {
                                    QTest::mouseClick(w.CancelButton(), Qt::LeftButton);
                                }},
                      CancelWay{"Escape",
                                [](CUpgradeWizardDlg& w) {
                                    QTest::keyClick(w.DirectoryEdit(), Qt::Key_Escape);
                                }},
                      CancelWay{"CloseBox", [](CUpgradeWizardDlg& w) { EXPECT_FALSE(w.close()); }}),
    [](const ::testing::TestParamInfo<CancelWay>& way) { return std::string(way.param.name); });

TEST_F(WizardFlow, OkWithAnEmptyEditClosesTheWizardAndInstallsNothing) {
    orbtest::ModalWatch watch;
    StartShown();
    QTest::mouseClick(Wizard()->OkButton(), Qt::LeftButton);
    DeliverDialogMessages();
    EXPECT_TRUE(watch.seen.empty());
    EXPECT_FALSE(Wizard()->isVisible());
    EXPECT_FALSE(View().PendingDirectory().has_value());
    for (int i = 0; i < 3; ++i) {
        Tick();
    }
    EXPECT_TRUE(passes.empty());
    EXPECT_FALSE(Complete().isVisible());
    EXPECT_FALSE(Wizard()->isVisible());
}

TEST_F(WizardFlow, EnterInTheEditIsOk) {
    StartShown();
    Wizard()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Wizard()));
    QTest::keyClicks(Wizard()->DirectoryEdit(), QStringLiteral("/opt/orbilon"));
    QTest::keyClick(Wizard()->DirectoryEdit(), Qt::Key_Return);
    DeliverDialogMessages();
    EXPECT_EQ(View().PendingDirectory(), "/opt/orbilon");
}

struct RefusedCase {
    const char* name;
    std::string typed;
};

class WizardRefuses : public orbtest::SetupRig,
                      public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(WizardRefuses, ADirectoryTheCheckRefusesKeepsTheWizardOpen) {
    orbtest::ModalWatch watch;
    // Any directory that exists stands for the package's own installation.
    rules.packaged = "/usr";
    StartShown();
    const QString typed = QString::fromStdString(GetParam().typed);
    QTest::keyClicks(Wizard()->DirectoryEdit(), typed);
    QTest::mouseClick(Wizard()->OkButton(), Qt::LeftButton);
    DeliverDialogMessages();

    ASSERT_EQ(watch.seen.size(), 1u);
    EXPECT_EQ(watch.seen[0].className, QStringLiteral("QMessageBox"));
    EXPECT_EQ(watch.seen[0].title, QStringLiteral("OrbSetup"));
    EXPECT_FALSE(watch.seen[0].text.isEmpty());
    // Still asking, with what was typed there to mend.
    ASSERT_NE(Wizard(), nullptr);
    EXPECT_TRUE(Wizard()->isVisible());
    EXPECT_EQ(Wizard()->DirectoryEdit()->text(), typed);
    EXPECT_FALSE(View().PendingDirectory().has_value());
    Tick();
    EXPECT_TRUE(passes.empty());

    // A good directory afterwards is taken as usual.
    Wizard()->DirectoryEdit()->clear();
    Confirm(QStringLiteral("/opt/orbilon"));
    EXPECT_EQ(View().PendingDirectory(), "/opt/orbilon");
}

INSTANTIATE_TEST_SUITE_P(Cases, WizardRefuses,
                         ::testing::Values(RefusedCase{"Relative", "games/orbilon"},
                                           RefusedCase{"LongerThanTheField",
                                                       "/" + std::string(109, 'd')},
                                           RefusedCase{"QuestionMark", "/opt/orb?lon"},
                                           RefusedCase{"ThePackagedInstallation", "/usr/"}),
                         [](const ::testing::TestParamInfo<RefusedCase>& refused) {
                             return std::string(refused.param.name);
                         });

TEST_F(WizardFlow, ADirectoryAsLongAsTheFieldIsTaken) {
    StartShown();
    const std::string longest = "/" + std::string(108, 'd');
    Confirm(QString::fromStdString(longest));
    EXPECT_EQ(View().PendingDirectory(), longest);
}

}  // namespace
}  // namespace orbsetup
