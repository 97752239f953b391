#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "shell/CAutopilotDlg.h"

namespace orb {
namespace {

// Inside a modal loop: waits until the dialog has the focus, or gives up and
// closes it so that the test cannot hang.
bool Ready(QDialog& dialog) {
    if (QTest::qWaitForWindowActive(&dialog) && QApplication::focusWidget() != nullptr) {
        return true;
    }
    ADD_FAILURE() << "the dialog never got the focus";
    dialog.reject();
    return false;
}

class Autopilot : public ::testing::Test {
  protected:
    Autopilot() : dialog(nullptr, [this](QWidget*, const QString& m) { complaints << m; }) {}

    // Seeds the fields, fills the controls, then types `edits` over them.
    void Seed(unsigned day, const char* month, double year, const char* era, unsigned hour,
              unsigned minute) {
        dialog.m_nDay = day;
        dialog.m_strMonth = QString::fromLatin1(month);
        dialog.m_dYear = year;
        dialog.m_strEra = QString::fromLatin1(era);
        dialog.m_nHour = hour;
        dialog.m_nMinute = minute;
        dialog.DoDataExchange(false);
    }

    CAutopilotDlg dialog;
    QStringList complaints;
};

TEST_F(Autopilot, ShowsTheSeededDate) {
    Seed(2, "JUL", 5.0, "BC", 12, 0);
    EXPECT_EQ(dialog.DayEdit()->text(), "2");
    EXPECT_EQ(dialog.MonthList()->currentText(), "JUL");
    EXPECT_EQ(dialog.YearEdit()->text(), "5");
    EXPECT_EQ(dialog.EraList()->currentText(), "BC");
    EXPECT_EQ(dialog.HourEdit()->text(), "12");
    EXPECT_EQ(dialog.MinuteEdit()->text(), "0");
    Seed(1, "DEC", 15000000000.0, "AD", 0, 59);
    EXPECT_EQ(dialog.YearEdit()->text(), "15000000000");
    Seed(1, "JAN", 1999.0, "Mya", 0, 0);
    EXPECT_EQ(dialog.YearEdit()->text(), "1999");
    EXPECT_EQ(dialog.EraList()->currentText(), "Mya");
}

TEST_F(Autopilot, ListsHoldTheMonthsAndEras) {
    QStringList months;
    for (int i = 0; i < dialog.MonthList()->count(); ++i) {
        months << dialog.MonthList()->itemText(i);
    }
    EXPECT_EQ(months, QStringList({"JAN", "FEB", "MAR", "APR", "MAY", "JUN", "JUL", "AUG", "SEP",
                                   "OCT", "NOV", "DEC"}));
    EXPECT_EQ(dialog.EraList()->count(), 3);
    EXPECT_EQ(dialog.EraList()->itemText(2), "Mya");
    EXPECT_FALSE(dialog.MonthList()->isEditable());
    EXPECT_FALSE(dialog.EraList()->isEditable());
}

struct EntryCase {
    const char* day;
    const char* year;
    const char* hour;
    const char* minute;
    bool accepted;
    const char* refusedField;  // which control gets the focus back
};

class AutopilotEntry : public Autopilot, public ::testing::WithParamInterface<EntryCase> {};

TEST_P(AutopilotEntry, RangesAreEnforcedOnOk) {
    const EntryCase& c = GetParam();
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    Seed(1, "APR", 2000.0, "AD", 12, 30);
    dialog.DayEdit()->setText(QString::fromLatin1(c.day));
    dialog.YearEdit()->setText(QString::fromLatin1(c.year));
    dialog.HourEdit()->setText(QString::fromLatin1(c.hour));
    dialog.MinuteEdit()->setText(QString::fromLatin1(c.minute));
    EXPECT_EQ(dialog.DoDataExchange(true), c.accepted);
    if (c.accepted) {
        EXPECT_TRUE(complaints.isEmpty());
        EXPECT_EQ(dialog.m_nDay, QString::fromLatin1(c.day).trimmed().toUInt());
        EXPECT_EQ(dialog.m_dYear, QString::fromLatin1(c.year).toDouble());
    } else {
        ASSERT_EQ(complaints.size(), 1);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), QString::fromLatin1(c.refusedField))
            << complaints.first().toStdString();
    }
    dialog.hide();
}

INSTANTIATE_TEST_SUITE_P(Fields, AutopilotEntry,
                         ::testing::Values(EntryCase{"31", "2000", "12", "30", true, ""},
                                           EntryCase{"0", "2000", "12", "30", false, "day"},
                                           EntryCase{"32", "2000", "12", "30", false, "day"},
                                           EntryCase{"", "2000", "12", "30", false, "day"},
                                           EntryCase{"-1", "2000", "12", "30", false, "day"},
                                           EntryCase{"1x", "2000", "12", "30", false, "day"},
                                           EntryCase{" 7 ", "2000", "12", "30", true, ""},
                                           EntryCase{"1", "1", "0", "0", true, ""},
                                           EntryCase{"1", "15000000000", "23", "59", true, ""},
                                           EntryCase{"1", "2.5", "12", "30", true, ""},
                                           EntryCase{"1", "1.5e10", "12", "30", true, ""},
                                           EntryCase{"1", "0", "12", "30", false, "year"},
                                           EntryCase{"1", "15000000001", "12", "30", false, "year"},
                                           EntryCase{"1", "abc", "12", "30", false, "year"},
                                           EntryCase{"1", "nan", "12", "30", false, "year"},
                                           EntryCase{"1", "2000", "24", "30", false, "hour"},
                                           EntryCase{"1", "2000", "12", "60", false, "minute"}));

TEST_F(Autopilot, FieldsBeforeABadOneAreStoredAndTheRestKept) {
    Seed(3, "MAR", 1500.0, "AD", 10, 20);
    dialog.DayEdit()->setText("9");
    dialog.MonthList()->setCurrentIndex(10);  // NOV
    dialog.YearEdit()->setText("0");          // refused
    dialog.HourEdit()->setText("5");
    EXPECT_FALSE(dialog.DoDataExchange(true));
    EXPECT_EQ(dialog.m_nDay, 9u);
    EXPECT_EQ(dialog.m_strMonth, "NOV");
    EXPECT_EQ(dialog.m_dYear, 1500.0);
    EXPECT_EQ(dialog.m_nHour, 10u);
    ASSERT_EQ(complaints.size(), 1);
    EXPECT_EQ(complaints.first(), "Please enter a number between 1 and 15000000000.");
}

TEST_F(Autopilot, ConstructionValuesAreRefusedOnTheDay) {
    dialog.DoDataExchange(false);
    EXPECT_FALSE(dialog.DoDataExchange(true));
    ASSERT_EQ(complaints.size(), 1);
    EXPECT_EQ(complaints.first(), "Please enter an integer between 1 and 31.");
}

TEST_F(Autopilot, EnterAcceptsAndCancelKeepsTheSeededValues) {
    Seed(2, "JUL", 5.0, "BC", 12, 0);
    // Cancel after changing the controls: nothing is read.
    QTimer::singleShot(0, [this] {
        if (!Ready(dialog)) {
            return;
        }
        EXPECT_EQ(QApplication::focusWidget(), dialog.OkButton());
        dialog.DayEdit()->setText("30");
        dialog.YearEdit()->setText("77");
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);
    EXPECT_EQ(dialog.m_nDay, 2u);
    EXPECT_EQ(dialog.m_dYear, 5.0);

    // Enter at once accepts the values shown.
    QTimer::singleShot(0, [this] {
        if (Ready(dialog)) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        }
    });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_EQ(dialog.m_strEra, "BC");
    EXPECT_EQ(dialog.m_strMonth, "JUL");
}

TEST_F(Autopilot, TabVisitsOkCancelMonthYearEraDay) {
    Seed(2, "JUL", 5.0, "BC", 12, 0);
    QStringList visited;
    QTimer::singleShot(0, [this, &visited] {
        if (!Ready(dialog)) {
            return;
        }
        for (int i = 0; i < 6; ++i) {
            visited << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        dialog.reject();
    });
    dialog.exec();
    EXPECT_EQ(visited, QStringList({"IDOK", "IDCANCEL", "month", "year", "era", "day"}));
    EXPECT_EQ(dialog.HourEdit()->focusPolicy(), Qt::ClickFocus);
    EXPECT_EQ(dialog.MinuteEdit()->focusPolicy(), Qt::ClickFocus);
    EXPECT_EQ(dialog.windowTitle(), "AUTOPILOT");
    EXPECT_FALSE(dialog.windowFlags() & Qt::WindowCloseButtonHint);
}

}  // namespace
}  // namespace orb
