#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstring>
#include <memory>

#include "display/ViewState.h"
#include "field/InstallPathField.h"
#include "platform/FixedClock.h"
#include "platform/SoundPlayer.h"
#include "platform/qt/DialogUnits.h"
#include "res/ResourceIds.h"
#include "shell/CAboutDlg.h"
#include "shell/CAutopilotDlg.h"
#include "shell/CKeysDlg.h"
#include "shell/CMainFrame.h"
#include "shell/COrbApp.h"
#include "shell/OrbViewWidget.h"
#include "support/InstalledField.h"
#include "support/ShellRig.h"
#include "support/TempDir.h"

namespace orb {
namespace {

using Shell = orbtest::ShellRig;

TEST_F(Shell, MainWindowIsFixedAtTheOriginWithItsCaption) {
    auto app = Start();
    ASSERT_TRUE(started);
    CMainFrame* frame = app->MainFrame();
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Orbilon 1.2"));
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(frame->pos(), QPoint(0, 0));
    EXPECT_EQ(frame->minimumSize(), frame->maximumSize());
    EXPECT_FALSE(frame->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(frame->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(app->ViewWidget()->size(), QSize(794, 536));
    frame->resize(1000, 800);
    EXPECT_EQ(app->ViewWidget()->size(), QSize(794, 536));
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Orbilon 1.2"));
}

TEST_F(Shell, MenuHasItsItemsIdsAndStates) {
    auto app = Start();
    ASSERT_TRUE(started);
    CMainFrame* frame = app->MainFrame();
    QStringList popups;
    for (QAction* a : frame->menuBar()->actions()) {
        popups << a->text();
    }
    EXPECT_EQ(popups, (QStringList{"&File", "Options", "&View", "&Help"}));

    const struct {
        int id;
        const char* text;
        bool enabled;
        bool checkable;
    } items[] = {
        {res::ID_FILE_SELECTDATABANK, "Select  New  Databank", true, false},
        {res::ID_FILE_INSTALLED_DATABANK, "Installed Databank", false, false},
        {res::ID_FILE_RELOAD_DATABANK, "Reload Databank", false, false},
        {res::ID_APP_EXIT, "Exit", true, false},
        {res::ID_OPTIONS_CLOCK, "Clock", true, true},
        {res::ID_OPTIONS_DAYNIGHT, "Day/Night  Effects", true, true},
        {res::ID_OPTIONS_HOVERMOUSE, "Hovering  Mouse", true, true},
        {res::ID_OPTIONS_WARP, "Warp  Animations", true, true},
        {res::ID_VIEW_PRESENT, "Return to the Present", true, false},
        {res::ID_HELP_KEYS, "Keys...", true, false},
        {res::ID_APP_ABOUT, "About... ", true, false},
    };
    for (const auto& item : items) {
        QAction* action = frame->ActionFor(item.id);
        ASSERT_NE(action, nullptr) << item.id;
        EXPECT_EQ(action->text(), QString::fromLatin1(item.text));
        EXPECT_EQ(action->data().toInt(), item.id);
        EXPECT_EQ(action->isEnabled(), item.enabled) << item.text;
        EXPECT_EQ(action->isCheckable(), item.checkable) << item.text;
        if (item.checkable) {
            EXPECT_TRUE(action->isChecked()) << item.text;  // all options start on
        }
    }
    const QList<QAction*> fileItems = frame->menuBar()->actions().first()->menu()->actions();
    ASSERT_EQ(fileItems.size(), 5);
    EXPECT_TRUE(fileItems[3]->isSeparator());
    EXPECT_EQ(frame->ActionFor(res::ID_VIEW_PRESENT)->shortcut(), QKeySequence(Qt::Key_Home));
    const QList<QAction*> helpItems = frame->menuBar()->actions().last()->menu()->actions();
    EXPECT_EQ(helpItems, (QList<QAction*>{frame->ActionFor(res::ID_HELP_KEYS),
                                          frame->ActionFor(res::ID_APP_ABOUT)}));
}

TEST_F(Shell, OptionsToggleAndCheckMarksFollowWhenTheMenuOpens) {
    auto app = Start();
    ASSERT_TRUE(started);
    CMainFrame* frame = app->MainFrame();
    const struct {
        int id;
        int ViewState::*flag;
    } options[] = {{res::ID_OPTIONS_CLOCK, &ViewState::m_showClock},
                   {res::ID_OPTIONS_DAYNIGHT, &ViewState::m_dayNightEffects},
                   {res::ID_OPTIONS_HOVERMOUSE, &ViewState::m_hoverMouse},
                   {res::ID_OPTIONS_WARP, &ViewState::m_warpAnimations}};
    for (const auto& option : options) {
        QAction* action = frame->ActionFor(option.id);
        action->trigger();
        EXPECT_EQ((*state).*option.flag, 0);
        emit frame->OptionsMenu()->aboutToShow();
        EXPECT_FALSE(action->isChecked());
        action->trigger();
        EXPECT_EQ((*state).*option.flag, 1);
        emit frame->OptionsMenu()->aboutToShow();
        EXPECT_TRUE(action->isChecked());
    }
}

TEST_F(Shell, KeysCAndDWithoutModifiersToggleClockAndDayNight) {
    auto app = Start();
    ASSERT_TRUE(started);
    CMainFrame* frame = app->MainFrame();
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame));
    QWidget* view = app->ViewWidget();

    QTest::keyClick(view, Qt::Key_C);
    EXPECT_EQ(state->m_showClock, 0);
    QTest::keyClick(view, Qt::Key_C);
    EXPECT_EQ(state->m_showClock, 1);
    QTest::keyClick(view, Qt::Key_D);
    EXPECT_EQ(state->m_dayNightEffects, 0);
    emit frame->OptionsMenu()->aboutToShow();
    EXPECT_FALSE(frame->ActionFor(res::ID_OPTIONS_DAYNIGHT)->isChecked());

    for (Qt::KeyboardModifier modifier :
         {Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier}) {
        QTest::keyClick(view, Qt::Key_C, modifier);
        QTest::keyClick(view, Qt::Key_D, modifier);
        EXPECT_EQ(state->m_showClock, 1) << modifier;
        EXPECT_EQ(state->m_dayNightEffects, 0) << modifier;
    }
    // Other keys change nothing either.
    QTest::keyClick(view, Qt::Key_H);
    QTest::keyClick(view, Qt::Key_W);
    EXPECT_EQ(state->m_hoverMouse, 1);
    EXPECT_EQ(state->m_warpAnimations, 1);
}

TEST_F(Shell, AboutBoxClosesWithOkOrEscapeAndChangesNothing) {
    auto app = Start();
    ASSERT_TRUE(started);
    const double moment = state->time.m_travelSeconds;
    for (bool useEscape : {false, true}) {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* about = qobject_cast<CAboutDlg*>(QApplication::activeModalWidget());
            ASSERT_NE(about, nullptr);
            seen = true;
            EXPECT_TRUE(about->windowTitle().startsWith("About Orbilon"));
            const auto labels = about->findChildren<QLabel*>();
            EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), [](const QLabel* label) {
                return label->text() == QStringLiteral("Orbilon v.1.2");
            }));
            EXPECT_FALSE(about->windowFlags() & Qt::WindowSystemMenuHint);
            for (const QLabel* text : about->findChildren<QLabel*>()) {  // whole, 10 units high
                EXPECT_EQ(text->height(), platform::DluY(text->text().isEmpty() ? 20 : 10));
                EXPECT_GE(text->width(), text->sizeHint().width()) << text->text().toStdString();
            }
            if (useEscape) {
                QTest::keyClick(about, Qt::Key_Escape);
            } else {
                about->findChild<QPushButton*>("IDOK")->click();
            }
        });
        app->MainFrame()->ActionFor(res::ID_APP_ABOUT)->trigger();
        EXPECT_TRUE(seen);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
    EXPECT_EQ(state->time.m_travelSeconds, moment);
    EXPECT_EQ(state->m_showClock, 1);
}

// Help > Keys... lists every key with what it does on each screen, whole,
// and closes with OK; the View menu's item returns to the present.
TEST_F(Shell, KeysDialogListsEveryKeyAndTheViewMenuReturnsToThePresent) {
    auto app = Start();
    ASSERT_TRUE(started);
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* keys = qobject_cast<CKeysDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(keys, nullptr);
        seen = true;
        EXPECT_EQ(keys->windowTitle(), "Keys");
        const auto* table = keys->findChild<QTableWidget*>("keys");
        ASSERT_NE(table, nullptr);
        QStringList rows;
        for (int row = 0; row < table->rowCount(); ++row) {
            rows << table->item(row, 0)->text();
        }
        EXPECT_EQ(rows, (QStringList{"Up / Down", "Shift+Up / Shift+Down", "Space", "Left / Right",
                                     "+ / -", "Page Up / Page Down", "Escape", "T", "S", "Home",
                                     "C", "D"}));
        EXPECT_EQ(table->item(7, 1)->text(), "TIMELINE");
        EXPECT_EQ(table->item(7, 2)->text(), "back to travel");
        // Every cell readable without scrolling.
        EXPECT_GE(table->width(), table->horizontalHeader()->length());
        EXPECT_GE(table->height(), table->verticalHeader()->length());
        const auto labels = keys->findChildren<QLabel*>();
        EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), [](const QLabel* label) {
            return label->text().contains("Hovering Mouse");
        }));
        keys->findChild<QPushButton*>("IDOK")->click();
    });
    app->MainFrame()->ActionFor(res::ID_HELP_KEYS)->trigger();
    EXPECT_TRUE(seen);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    state->time.m_travelSeconds = 1.0e9;
    state->time.m_speed = -5.0;
    app->MainFrame()->ActionFor(res::ID_VIEW_PRESENT)->trigger();
    EXPECT_EQ(state->time.m_travelSeconds, kPresentSeconds);
    EXPECT_EQ(state->time.m_speed, 0.0);
}

TEST_F(Shell, MissingDatabankReportsThePathAndMakesNoWindow) {
    orbtest::TempDir empty;
    field.Set(empty.Str());
    const int windowsBefore = static_cast<int>(QApplication::topLevelWidgets().size());
    auto app = Start();
    EXPECT_FALSE(started);
    EXPECT_EQ(app->MainFrame(), nullptr);
    EXPECT_NE(failure.find(empty.Str() + "/DATA/EVENTS.DAT"), std::string::npos) << failure;
    EXPECT_NE(failure.find("setup"), std::string::npos);
    EXPECT_EQ(static_cast<int>(QApplication::topLevelWidgets().size()), windowsBefore);
}

TEST_F(Shell, ViewPaintsIntoItsFramebufferAndStartsTheTravelTimer) {
    auto app = Start();
    ASSERT_TRUE(started);
    OrbViewWidget* view = app->ViewWidget();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(app->MainFrame()));
    view->Draw();
    EXPECT_TRUE(view->IsTimerRunning(1));
    EXPECT_EQ(view->Frame().PixelAt(5, 5), 0xFF000000u);  // black travel screen
    view->KillTimer(1);
    EXPECT_FALSE(view->IsTimerRunning(1));
}

TEST_F(Shell, AutopilotDialogRunsOverTheMainWindowAndReturnsItsFields) {
    auto app = Start();
    ASSERT_TRUE(started);
    AutopilotFields fields;
    fields.m_nDay = 2;
    fields.m_strMonth = "JUL";
    fields.m_strEra = "BC";
    fields.m_dYear = 5.0;
    fields.m_nHour = 12;
    fields.m_nMinute = 45;
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<CAutopilotDlg*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            ADD_FAILURE() << "no Autopilot dialog";
            return;
        }
        dialog->DayEdit()->setText("20");
        dialog->YearEdit()->setText("1969");
        dialog->EraList()->setCurrentIndex(0);        // AD
        EXPECT_EQ(dialog->HourEdit()->text(), "12");  // seeded from the fields
        EXPECT_EQ(dialog->MinuteEdit()->text(), "45");
        dialog->HourEdit()->setText("20");
        dialog->MinuteEdit()->setText("17");
        dialog->OkButton()->click();
    });
    app->ViewWidget()->RunAutopilot(fields);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(fields.m_nDay, 20u);
    EXPECT_EQ(fields.m_strMonth, "JUL");
    EXPECT_EQ(fields.m_strEra, "AD");
    EXPECT_EQ(fields.m_dYear, 1969.0);
    EXPECT_EQ(fields.m_nHour, 20u);
    EXPECT_EQ(fields.m_nMinute, 17u);
}

}  // namespace
}  // namespace orb
