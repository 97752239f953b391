// The view's controls driven through the real window: clicks, the pointer
// resting on the lever, and the Autopilot dialog they open.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <functional>
#include <utility>

#include "display/TimeModel.h"
#include "platform/Colour.h"
#include "platform/Framebuffer.h"
#include "shell/CAutopilotDlg.h"
#include "shell/CMainFrame.h"
#include "shell/OrbViewWidget.h"
#include "support/ShellRig.h"

namespace orb {
namespace {

// Answers the next modal dialog once it is open: a click that opens one
// returns only after the dialog closes.
class ModalAnswer {
  public:
    explicit ModalAnswer(std::function<void(QWidget*)> answer) : m_answer(std::move(answer)) {
        QObject::connect(&m_poll, &QTimer::timeout, [this] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                m_poll.stop();
                answered = true;
                m_answer(modal);
            }
        });
        m_poll.start(10);
    }

    bool answered = false;

  private:
    std::function<void(QWidget*)> m_answer;
    QTimer m_poll;
};

class ViewInput : public orbtest::ShownShell {
  protected:
    void SetUp() override {
        ShownShell::SetUp();
        if (HasFatalFailure()) {
            return;
        }
        view->Draw();  // the first paint starts the travel timer
        ASSERT_TRUE(view->IsTimerRunning(1));
    }

    void Click(int x, int y, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(view, button, Qt::NoModifier, QPoint(x, y));
    }
};

TEST_F(ViewInput, TimelineEntersBrowsingAndAClickElsewhereLeavesIt) {
    const std::int64_t year = state->time.m_year;
    Click(380, 490);  // TIMELINE
    EXPECT_EQ(state->time.m_browseMode, 100);
    view->Draw();
    EXPECT_FALSE(view->IsTimerRunning(1));  // time stands while browsing
    EXPECT_EQ(state->time.m_year, year);

    Click(400, 200);  // the panel: back to travel
    EXPECT_EQ(state->time.m_browseMode, 0);
    EXPECT_EQ(state->m_repaintFrame, 1);
    EXPECT_TRUE(view->IsTimerRunning(1));
}

// How many pixels of the rectangle are exactly `colour`.
int CountColour(const platform::Framebuffer& frame, int x, int y, int width, int height,
                platform::ColorRef colour) {
    int count = 0;
    for (int row = y; row < y + height; ++row) {
        for (int col = x; col < x + width; ++col) {
            count += frame.PixelAt(col, row) == platform::ToPixel(colour) ? 1 : 0;
        }
    }
    return count;
}

TEST_F(ViewInput, BrowsingStepsAndZoomsToTheEventsOfADecade) {
    view->View().OnTimer(1);  // the present of the fixed clock: 1 January 1970
    Click(380, 490);          // TIMELINE
    view->Draw();
    EXPECT_EQ(state->m_eventLines, 0);  // nothing in 1970 itself
    EXPECT_GT(CountColour(view->Frame(), 140, 95, 250, 25, platform::Rgb(255, 255, 255)), 20);

    Click(620, 490);  // zoom out: the 1970's
    view->Draw();
    EXPECT_EQ(state->time.m_yearStep, 10);
    EXPECT_EQ(state->m_eventLines, 0);

    Click(180, 490);  // back: the 1960's
    view->Draw();
    EXPECT_EQ(state->time.m_year, 1960);
    EXPECT_EQ(state->m_eventLines, 1);
    // The moon landing's text in label yellow, its date in white on blue.
    EXPECT_GT(CountColour(view->Frame(), 140, 95, 300, 20, platform::Rgb(255, 255, 0)), 20);
    EXPECT_GT(CountColour(view->Frame(), 0, 95, 130, 25, platform::Rgb(255, 255, 255)), 20);
    // The label: yellow at the top of the panel.
    EXPECT_GT(CountColour(view->Frame(), 140, 10, 300, 35, platform::Rgb(255, 255, 0)), 50);
}

TEST_F(ViewInput, TheLeverSetsTheSpeedByClickAndByHover) {
    Click(89, 209);  // one pixel above the stop band
    EXPECT_NEAR(state->time.m_speed, 0.2 * std::exp(10.0 / 41.0), 1e-12);
    Click(89, 311);  // one pixel below it: backward
    EXPECT_NEAR(state->time.m_speed, -0.2 * std::exp(10.0 / 41.0), 1e-12);

    QTest::mouseMove(view, QPoint(45, 250));  // resting on the stop band
    EXPECT_EQ(state->time.m_speed, 0.0);
    QTest::mouseMove(view, QPoint(45, 168));  // 42 pixels above it
    EXPECT_NEAR(state->time.m_speed, 0.2 * std::exp(42.0 * 10.0 / 41.0), 1e-9);
    QTest::mouseMove(view, QPoint(400, 300));  // off the strip: travel stops at once
    EXPECT_EQ(state->time.m_speed, 0.0);

    state->m_hoverMouse = 0;
    QTest::mouseMove(view, QPoint(45, 100));
    EXPECT_EQ(state->time.m_speed, 0.0);
}

// Keys typed on the view reach it: the lever, the browsing screen's buttons,
// and Home through the View menu's shortcut. Keys held with Ctrl are not the
// view's.
TEST_F(ViewInput, KeysReachTheView) {
    QTest::keyClick(view, Qt::Key_Up);
    EXPECT_NEAR(state->time.m_speed, 0.2 * std::exp(23.0 * 10.0 / 41.0), 1e-9);  // 1 MIN
    QTest::keyClick(view, Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_NEAR(state->time.m_speed, 0.2 * std::exp(24.0 * 10.0 / 41.0), 1e-9);
    QTest::keyClick(view, Qt::Key_Up, Qt::ControlModifier);
    EXPECT_NEAR(state->time.m_speed, 0.2 * std::exp(24.0 * 10.0 / 41.0), 1e-9);
    QTest::keyClick(view, Qt::Key_Space);
    EXPECT_EQ(state->time.m_speed, 0.0);

    QTest::keyClick(view, Qt::Key_T);
    EXPECT_EQ(state->time.m_browseMode, 100);
    const std::int64_t year = state->time.m_year;
    QTest::keyClick(view, Qt::Key_Right);
    EXPECT_EQ(state->time.m_year, year + 1);
    QTest::keyClick(view, Qt::Key_Minus);
    EXPECT_EQ(state->time.m_yearStep, 10);
    QTest::keyClick(view, Qt::Key_Plus);
    EXPECT_EQ(state->time.m_yearStep, 1);
    QTest::keyClick(view, Qt::Key_Escape);
    EXPECT_EQ(state->time.m_browseMode, 0);

    QTest::keyClick(view, Qt::Key_Down);
    EXPECT_LT(state->time.m_speed, 0.0);
    state->time.m_travelSeconds = 1.0e9;
    QTest::keyClick(view, Qt::Key_Home);
    EXPECT_EQ(state->time.m_travelSeconds, kPresentSeconds);
    EXPECT_EQ(state->time.m_speed, 0.0);
}

// With Hovering Mouse on, a real move sets the speed from the pointer again;
// a move the toolkit makes up where the pointer already was does not undo
// what a key set.
TEST_F(ViewInput, OnlyARealMoveUndoesWhatAKeySet) {
    const auto move = [this](QPoint at) {
        QMouseEvent event(QEvent::MouseMove, at, view->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                          Qt::NoModifier);
        QApplication::sendEvent(view, &event);
    };
    move(QPoint(400, 200));  // off the strip
    QTest::keyClick(view, Qt::Key_Up);
    ASSERT_GT(state->time.m_speed, 0.0);
    move(QPoint(400, 200));  // the same place again: no move
    EXPECT_GT(state->time.m_speed, 0.0);
    move(QPoint(401, 200));
    EXPECT_EQ(state->time.m_speed, 0.0);
}

TEST_F(ViewInput, RightButtonAsksForTheWholeScreen) {
    view->Draw();
    ASSERT_EQ(state->m_repaintFrame, 0);
    state->m_repaintBrowse = 0;
    Click(300, 300, Qt::RightButton);
    EXPECT_EQ(state->m_repaintFrame, 1);
    EXPECT_EQ(state->m_repaintBrowse, 1);
}

TEST_F(ViewInput, SetDestinationLandsWhereTheDialogSays) {
    view->View().OnTimer(1);  // the dialog opens on the displayed moment
    state->time.m_speed = 1.0e9;
    ModalAnswer answer([](QWidget* modal) {
        auto* dialog = qobject_cast<CAutopilotDlg*>(modal);
        if (dialog == nullptr) {
            ADD_FAILURE() << "not the Autopilot dialog";
            modal->close();
            return;
        }
        dialog->YearEdit()->setText("65");
        dialog->EraList()->setCurrentIndex(dialog->EraList()->findText("Mya"));
        dialog->OkButton()->click();
    });
    Click(180, 490);  // SET DESTINATION
    ASSERT_TRUE(answer.answered);
    EXPECT_EQ(state->time.m_speed, 0.0);  // every click off the lever stops travel
    TimeState landed = state->time;
    DeriveMoment(landed);
    EXPECT_EQ(landed.m_year, -65000000);
    EXPECT_EQ(landed.m_scene, 11);
    EXPECT_EQ(state->time.m_browseMode, 0);
}

}  // namespace
}  // namespace orb
