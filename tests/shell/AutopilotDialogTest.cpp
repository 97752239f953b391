#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <iterator>
#include <ostream>
#include <string>
#include <tuple>
#include <utility>

#include "platform/qt/DialogUnits.h"
#include "shell/CAutopilotDlg.h"
#include "support/CommaDecimalLocale.h"

namespace orb {
namespace {

using platform::DluRect;

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

TEST_F(Autopilot, TheYearShownReadsBackUnderADecimalComma) {
    orbtest::CommaDecimalLocale commaDecimal;
    ASSERT_TRUE(commaDecimal.Active()) << "no locale with a decimal comma could be made";
    Seed(1, "JAN", 2.5, "Mya", 0, 0);
    EXPECT_EQ(dialog.YearEdit()->text(), "2.5");
    dialog.m_dYear = 0.0;
    EXPECT_TRUE(dialog.DoDataExchange(true));
    EXPECT_EQ(dialog.m_dYear, 2.5);
}

// The seeded fields, the controls typed over them, and what reading them
// leaves: the exchange runs day, month, era, year, hour, minute and stops at
// the first bad field, with the focus there.
struct OrderCase {
    const char* day;
    int month;  // index in the month list
    int era;    // index in the era list
    const char* year;
    const char* hour;
    const char* minute;
    const char* focus;  // empty when every field is good
    const char* complaint;
    unsigned nDay;
    const char* strMonth;
    const char* strEra;
    double dYear;
    unsigned nHour, nMinute;
};

void PrintTo(const OrderCase& c, std::ostream* out) {
    *out << "first bad: \"" << c.focus << '"';
}

class AutopilotOrder : public Autopilot, public ::testing::WithParamInterface<OrderCase> {};

TEST_P(AutopilotOrder, FieldsBeforeABadOneAreStoredAndTheRestKept) {
    const OrderCase& c = GetParam();
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    Seed(3, "MAR", 1500.0, "AD", 10, 20);
    dialog.DayEdit()->setText(QString::fromLatin1(c.day));
    dialog.MonthList()->setCurrentIndex(c.month);
    dialog.EraList()->setCurrentIndex(c.era);
    dialog.YearEdit()->setText(QString::fromLatin1(c.year));
    dialog.HourEdit()->setText(QString::fromLatin1(c.hour));
    dialog.MinuteEdit()->setText(QString::fromLatin1(c.minute));
    const bool accepted = *c.focus == '\0';
    EXPECT_EQ(dialog.DoDataExchange(true), accepted);
    EXPECT_EQ(dialog.m_nDay, c.nDay);
    EXPECT_EQ(dialog.m_strMonth.toStdString(), c.strMonth);
    EXPECT_EQ(dialog.m_strEra.toStdString(), c.strEra);
    EXPECT_EQ(dialog.m_dYear, c.dYear);
    EXPECT_EQ(dialog.m_nHour, c.nHour);
    EXPECT_EQ(dialog.m_nMinute, c.nMinute);
    if (accepted) {
        EXPECT_TRUE(complaints.isEmpty()) << complaints.join('|').toStdString();
    } else {
        ASSERT_EQ(complaints.size(), 1);
        EXPECT_EQ(complaints.first().toStdString(), c.complaint);
        EXPECT_EQ(QApplication::focusWidget()->objectName().toStdString(), c.focus);
    }
    dialog.hide();
}

INSTANTIATE_TEST_SUITE_P(
    Exchange, AutopilotOrder,
    ::testing::Values(
        OrderCase{"0", 10, 1, "7", "5", "6", "day", "Please enter an integer between 1 and 31.", 3,
                  "MAR", "AD", 1500.0, 10, 20},
        OrderCase{"-1", 10, 1, "7", "5", "6", "day", "Please enter a positive integer.", 3, "MAR",
                  "AD", 1500.0, 10, 20},
        OrderCase{"9", 10, 1, "7,5", "5", "6", "year", "Please enter a number.", 9, "NOV", "BC",
                  1500.0, 10, 20},
        // The era is read before the year: it is stored when the year is refused.
        OrderCase{"9", 10, 1, "0", "5", "6", "year",
                  "Please enter a number between 1 and 15000000000.", 9, "NOV", "BC", 1500.0, 10,
                  20},
        // Both bad: the hour, read first, is the one refused.
        OrderCase{"9", 10, 1, "7", "24", "60", "hour", "Please enter an integer between 0 and 23.",
                  9, "NOV", "BC", 7.0, 10, 20},
        OrderCase{"9", 10, 2, "7", "5", "60", "minute", "Please enter an integer between 0 and 59.",
                  9, "NOV", "Mya", 7.0, 5, 20},
        // Blanks of any kind around the numbers are let through (here a no-break space).
        OrderCase{"9\xA0", 10, 1, " 7.5\xA0", "5", "6", "", "", 9, "NOV", "BC", 7.5, 5, 6}));

// Only entries of the lists can be picked, so the length limits hold for
// entries added to them.
TEST_F(Autopilot, ListTextsLongerThanTheirLimitAreRefused) {
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    Seed(1, "APR", 2000.0, "AD", 12, 30);
    dialog.EraList()->addItem(QStringLiteral("ABCDE"));
    dialog.EraList()->setCurrentIndex(dialog.EraList()->count() - 1);
    EXPECT_TRUE(dialog.DoDataExchange(true));
    EXPECT_EQ(dialog.m_strEra, "ABCDE");

    dialog.EraList()->addItem(QStringLiteral("ABCDEF"));
    dialog.EraList()->setCurrentIndex(dialog.EraList()->count() - 1);
    EXPECT_FALSE(dialog.DoDataExchange(true));
    EXPECT_EQ(QApplication::focusWidget(), dialog.EraList());

    dialog.MonthList()->addItem(QStringLiteral("SEPT"));
    dialog.MonthList()->setCurrentIndex(dialog.MonthList()->count() - 1);
    EXPECT_FALSE(dialog.DoDataExchange(true));
    EXPECT_EQ(QApplication::focusWidget(), dialog.MonthList());
    EXPECT_EQ(complaints, QStringList({"Please enter no more than 5 characters.",
                                       "Please enter no more than 3 characters."}));
    dialog.hide();
}

const QLabel* Caption(const QDialog& dialog, const char* text) {
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        if (label->text() == QLatin1String(text)) {
            return label;
        }
    }
    return nullptr;
}

// The first row reads day, month, year, era from left to right on one line,
// each under its caption; hour and minute sit side by side under theirs, and
// Cancel stands left of OK.
TEST_F(Autopilot, ControlsLineUpInRowsUnderTheirCaptions) {
    const QWidget* row[] = {dialog.DayEdit(), dialog.MonthList(), dialog.YearEdit(),
                            dialog.EraList()};
    for (std::size_t i = 1; i < std::size(row); ++i) {
        SCOPED_TRACE(row[i]->objectName().toStdString());
        EXPECT_EQ(row[i]->y(), row[0]->y());
        EXPECT_EQ(row[i]->height(), row[0]->height());
        EXPECT_GE(row[i]->x(), row[i - 1]->x() + row[i - 1]->width());
    }
    // Each caption at the template's place, as wide as it says: "MONTH" needs more.
    const std::tuple<const char*, const QWidget*, QRect> captions[] = {
        {"DAY", dialog.DayEdit(), DluRect(26, 35, 15, 8)},
        {"MONTH", dialog.MonthList(), DluRect(84, 35, 26, 8)},
        {"YEAR", dialog.YearEdit(), DluRect(143, 35, 20, 8)},
        {"Time of Day", dialog.HourEdit(), DluRect(51, 83, 39, 8)}};
    for (const auto& [text, control, place] : captions) {
        SCOPED_TRACE(text);
        const QLabel* caption = Caption(dialog, text);
        ASSERT_NE(caption, nullptr);
        EXPECT_EQ(caption->geometry(), place);
        EXPECT_LE(caption->y() + caption->height(), control->y());
        EXPECT_GE(caption->x(), control->x());
        EXPECT_LT(caption->x(), control->x() + control->width());
    }
    EXPECT_EQ(dialog.MinuteEdit()->y(), dialog.HourEdit()->y());
    EXPECT_GE(dialog.MinuteEdit()->x(), dialog.HourEdit()->x() + dialog.HourEdit()->width());
    EXPECT_GT(dialog.HourEdit()->y(), row[0]->y() + row[0]->height());
    EXPECT_EQ(dialog.CancelButton()->y(), dialog.OkButton()->y());
    EXPECT_LE(dialog.CancelButton()->x() + dialog.CancelButton()->width(), dialog.OkButton()->x());
    EXPECT_GT(dialog.OkButton()->y(), dialog.HourEdit()->y() + dialog.HourEdit()->height());
    for (const QWidget* child : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        EXPECT_TRUE(dialog.rect().contains(child->geometry())) << child->objectName().toStdString();
    }
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
