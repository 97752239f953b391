// What assistive technology learns from the viewer, in-process through Qt's
// accessibility layer: the view's name and value on both screens, when it is
// told of them, and the Autopilot's named fields. (Qt hands change events on
// only to a platform with a screen reader attached, which the offscreen
// platform has not; the view tells each one by a signal as well.)
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <utility>
#include <vector>

#include "shell/CAutopilotDlg.h"
#include "support/ShellRig.h"

namespace orb {
namespace {

class Accessibility : public orbtest::ShownShell {
  protected:
    void SetUp() override {
        ShownShell::SetUp();
        if (HasFatalFailure()) {
            return;
        }
        QObject::connect(
            view, &OrbViewWidget::wordsTold,
            [this](const QString& name, const QString& value) { told.emplace_back(name, value); });
        view->View().OnTimer(1);  // the first tick reads the clock
        view->Draw();
    }

    QString Text(QAccessible::Text kind) const {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(view);
        return face == nullptr ? QStringLiteral("<no interface>") : face->text(kind);
    }

    // How many times new words were told since the last call.
    int NameChanges() {
        const int n = static_cast<int>(told.size());
        told.clear();
        return n;
    }

    void Key(Qt::Key key) {
        QTest::keyClick(view, key);
        view->Draw();
    }

    std::vector<std::pair<QString, QString>> told;
};

TEST_F(Accessibility, TheViewNamesTheMomentAndTheSpeed) {
    // The fixed clock's present: 1 January 1970, midnight.
    EXPECT_EQ(Text(QAccessible::Name), "1 January 1970 AD, 00:00");
    EXPECT_EQ(Text(QAccessible::Value), "stopped");
    EXPECT_EQ(Text(QAccessible::Description), "");  // the other texts are the widget's own
    Key(Qt::Key_Up);
    EXPECT_EQ(Text(QAccessible::Value), "18 minutes per second forward");  // 1 MIN a tick
}

TEST_F(Accessibility, BrowsingActionsAreToldAtOnce) {
    NameChanges();
    Key(Qt::Key_T);
    EXPECT_EQ(Text(QAccessible::Name), "1970 AD");
    EXPECT_EQ(Text(QAccessible::Value), "No events found.");
    EXPECT_EQ(NameChanges(), 1);
    Key(Qt::Key_Left);
    EXPECT_EQ(Text(QAccessible::Name), "1969 AD");
    EXPECT_EQ(Text(QAccessible::Value), "20 JUL: Moon landing.");
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0].first, "1969 AD");
    EXPECT_EQ(told[0].second, "20 JUL: Moon landing.");
    EXPECT_EQ(NameChanges(), 1);
    Key(Qt::Key_Up);  // no more above: the page stays, nothing new to tell
    EXPECT_EQ(NameChanges(), 0);
    Key(Qt::Key_Right);
    EXPECT_EQ(NameChanges(), 1);
    Key(Qt::Key_Home);  // the present, on the travel screen
    EXPECT_EQ(Text(QAccessible::Name), "1 January 1970 AD, 00:00");
    EXPECT_EQ(NameChanges(), 1);
}

// While time runs the words change at every tick; they are told at most once
// a second, and at once when time stands again.
TEST_F(Accessibility, RunningTimeIsToldAtMostOnceASecond) {
    Key(Qt::Key_Up);  // time runs
    NameChanges();
    for (int tick = 0; tick < 10; ++tick) {
        view->View().OnTimer(1);
        view->Draw();
    }
    EXPECT_NE(Text(QAccessible::Name), "1 January 1970 AD, 00:00");  // the moment moved
    EXPECT_EQ(NameChanges(), 0);
    Key(Qt::Key_Space);  // stopped
    EXPECT_EQ(Text(QAccessible::Value), "stopped");
    EXPECT_EQ(NameChanges(), 1);
}

TEST_F(Accessibility, TheAutopilotsFieldsSayWhatTheyHold) {
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<CAutopilotDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        seen = true;
        const struct {
            QWidget* field;
            const char* name;
        } fields[] = {{dialog->DayEdit(), "Day"},   {dialog->MonthList(), "Month"},
                      {dialog->YearEdit(), "Year"}, {dialog->EraList(), "Era"},
                      {dialog->HourEdit(), "Hour"}, {dialog->MinuteEdit(), "Minute"}};
        // The edits answer with their names; the lists answer with their text,
        // as lists do under AT-SPI, and carry their names beside it.
        for (const auto& f : fields) {
            EXPECT_EQ(f.field->accessibleName(), f.name);
        }
        for (QLineEdit* edit :
             {dialog->DayEdit(), dialog->YearEdit(), dialog->HourEdit(), dialog->MinuteEdit()}) {
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(edit);
            EXPECT_EQ(face != nullptr ? face->text(QAccessible::Name) : QString(),
                      edit->accessibleName());
        }
        dialog->OkButton()->click();
    });
    QTest::keyClick(view, Qt::Key_S);
    EXPECT_TRUE(seen);
}

}  // namespace
}  // namespace orb
