// The installer's application over a scripted installation pass, with timers
// that tick by hand and the failure reports recorded: what a test needs to
// drive the real windows without touching files.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <deque>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "fakes/ManualTimers.h"
#include "setup/gui/CMainFrame.h"
#include "setup/gui/COrbSetupApp.h"
#include "setup/gui/COrbSetupView.h"
#include "setup/gui/CSetupCompleteDlg.h"
#include "setup/gui/CUpgradeWizardDlg.h"
#include "setup/gui/SetupDialogDoneEvent.h"
#include "setup/gui/WindowTimers.h"
#include "setup/res/ResourceIds.h"

namespace orbtest {

class SetupRig : public ::testing::Test {
  protected:
    void SetUp() override {
        // Exit closes the frame; that must not end the test program.
        QApplication::setQuitOnLastWindowClosed(false);
    }

    // The application made and its frame shown; no paint has happened yet.
    // The view gets `ownTimers`, or timers ticked by hand.
    void Start(std::unique_ptr<orbsetup::WindowTimers> ownTimers = nullptr) {
        if (!ownTimers) {
            auto manual = std::make_unique<ManualTimers>();
            timers = manual.get();
            ownTimers = std::move(manual);
        }
        app = std::make_unique<orbsetup::COrbSetupApp>(
            [this](const std::string& directory) { return Pass(directory); }, rules,
            std::move(ownTimers), [this](const std::string& m) { startFailure = m; },
            [this](const std::string& m) { reports.push_back(m); });
        started = app->InitInstance();
    }

    // The scripted pass.
    orbsetup::PassOutcome Pass(const std::string& directory) {
        passes.push_back(directory);
        if (!throwNext.empty()) {
            const std::string what = throwNext;
            throwNext.clear();
            throw std::runtime_error(what);
        }
        if (script.empty()) {
            return orbsetup::PassOutcome{true, {}, {}, {}};
        }
        orbsetup::PassOutcome next = script.front();
        script.pop_front();
        return next;
    }

    // Started, exposed and painted once: the wizard is up.
    void StartShown() {
        Start();
        ASSERT_TRUE(started) << startFailure;
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Frame()));
        View().repaint();
        ASSERT_NE(Wizard(), nullptr);
        ASSERT_TRUE(Wizard()->isVisible());
    }

    orbsetup::CMainFrame* Frame() const { return app->MainFrame(); }
    orbsetup::COrbSetupView& View() const { return *app->View(); }
    orbsetup::CUpgradeWizardDlg* Wizard() const { return View().Wizard(); }
    orbsetup::CSetupCompleteDlg& Complete() const { return View().CompleteDialog(); }

    // Hands the view the messages the dialogs posted, and nothing else.
    void DeliverDialogMessages() {
        QCoreApplication::sendPostedEvents(&View(), orbsetup::SetupDialogDoneEvent::kType);
    }

    // Types `directory` into the wizard and presses OK, then lets the view
    // take the message.
    void Confirm(const QString& directory) {
        QTest::keyClicks(Wizard()->DirectoryEdit(), directory);
        QTest::mouseClick(Wizard()->OkButton(), Qt::LeftButton);
        DeliverDialogMessages();
    }

    // One tick of the view's timer and the paint it asks for.
    void Tick() {
        ASSERT_TRUE(timers->Fire(orbsetup::res::kRepaintTimer));
        QCoreApplication::processEvents();
    }

    orbsetup::DirectoryRules rules{"/home/tester", ""};
    // What the next passes return, in turn; a pass completes once it is empty.
    std::deque<orbsetup::PassOutcome> script;
    // When not empty, the next pass throws this instead.
    std::string throwNext;
    std::vector<std::string> passes;
    std::vector<std::string> reports;
    std::string startFailure;
    bool started = false;
    ManualTimers* timers = nullptr;  // owned by the view
    std::unique_ptr<orbsetup::COrbSetupApp> app;
};

}  // namespace orbtest
