#include "shell/CAutopilotDlg.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <string>

#include "display/AutopilotRules.h"
#include "display/Calendar.h"
#include "platform/qt/DialogLabel.h"
#include "platform/qt/DialogUnits.h"
#include "res/ResourceIds.h"

namespace orb {

using platform::AddDialogLabel;
using platform::DialogFont;
using platform::DluRect;
using platform::DluX;
using platform::DluY;
using platform::LabelWidth;

namespace {

QLineEdit* MakeEdit(QWidget* parent, int x, int y, int width) {
    auto* edit = new QLineEdit(parent);
    edit->setGeometry(DluRect(x, y, width, 13));
    return edit;
}

QComboBox* MakeList(QWidget* parent, int x, int y, int width, const QStringList& items) {
    auto* list = new QComboBox(parent);  // a drop-down list: no typing
    list->setEditable(false);
    list->addItems(items);
    list->setGeometry(DluRect(x, y, width, 13));
    return list;
}

// What the rules read. Blanks of every kind come off here, as the toolkit
// knows them; a character beyond Latin-1 turns into '?', which never reads
// as part of a number.
std::string Typed(const QLineEdit* edit) {
    return edit->text().trimmed().toLatin1().toStdString();
}

QString Number(double value) {
    return QString::asprintf("%.15g", value);
}

}  // namespace

CAutopilotDlg::CAutopilotDlg(QWidget* parent, Complaint complain)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_complain(std::move(complain)) {
    setWindowTitle(QStringLiteral("AUTOPILOT"));
    setFont(DialogFont());
    setFixedSize(DluX(250), DluY(149));
    if (!m_complain) {
        m_complain = [](QWidget* dialog, const QString& message) {
            QMessageBox::warning(dialog, QString::fromLatin1(res::kAppTitle), message);
        };
    }

    QStringList months;
    for (int month = 1; month <= 12; ++month) {
        months << QString::fromLatin1(kMonthNames[month]);
    }
    // Made in template order, which is also the tab order.
    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setGeometry(DluRect(145, 129, 50, 14));
    m_ok->setDefault(true);
    m_ok->setObjectName(QStringLiteral("IDOK"));
    m_cancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_cancel->setGeometry(DluRect(39, 129, 50, 14));
    m_cancel->setObjectName(QStringLiteral("IDCANCEL"));
    m_month = MakeList(this, 83, 47, 42, months);
    m_year = MakeEdit(this, 143, 47, 40);
    m_era = MakeList(this, 183, 47, 36,
                     {QStringLiteral("AD"), QStringLiteral("BC"), QStringLiteral("Mya")});
    m_day = MakeEdit(this, 25, 47, 40);
    m_hour = MakeEdit(this, 50, 95, 20);
    m_minute = MakeEdit(this, 71, 95, 22);
    m_month->setObjectName(QStringLiteral("month"));
    m_year->setObjectName(QStringLiteral("year"));
    m_era->setObjectName(QStringLiteral("era"));
    m_day->setObjectName(QStringLiteral("day"));
    m_hour->setObjectName(QStringLiteral("hour"));
    m_minute->setObjectName(QStringLiteral("minute"));
    // What each field holds, for screen readers: the labels above them do not
    // name the hour, the minute or the era.
    m_day->setAccessibleName(QStringLiteral("Day"));
    m_month->setAccessibleName(QStringLiteral("Month"));
    m_year->setAccessibleName(QStringLiteral("Year"));
    m_era->setAccessibleName(QStringLiteral("Era"));
    m_hour->setAccessibleName(QStringLiteral("Hour"));
    m_minute->setAccessibleName(QStringLiteral("Minute"));
    // The time of day is reached with the mouse only.
    m_hour->setFocusPolicy(Qt::ClickFocus);
    m_minute->setFocusPolicy(Qt::ClickFocus);
    AddDialogLabel(this, QStringLiteral("DAY"), 26, 35, 15, 8, LabelWidth::kTemplate);
    AddDialogLabel(this, QStringLiteral("MONTH"), 84, 35, 26, 8, LabelWidth::kTemplate);
    AddDialogLabel(this, QStringLiteral("YEAR"), 143, 35, 20, 8, LabelWidth::kTemplate);
    AddDialogLabel(this, QStringLiteral("Time of Day"), 51, 83, 39, 8, LabelWidth::kTemplate);

    setTabOrder(m_ok, m_cancel);
    setTabOrder(m_cancel, m_month);
    setTabOrder(m_month, m_year);
    setTabOrder(m_year, m_era);
    setTabOrder(m_era, m_day);

    connect(m_ok, &QPushButton::clicked, this, &CAutopilotDlg::OnOK);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

int CAutopilotDlg::exec() {
    DoDataExchange(false);
    m_ok->setFocus();  // Enter at once accepts the values shown
    return QDialog::exec();
}

void CAutopilotDlg::OnOK() {
    if (DoDataExchange(true)) {
        accept();
    }
}

bool CAutopilotDlg::DoDataExchange(bool save) {
    return ExchangeCount(save, m_day, m_nDay, kDayRange) &&
           ExchangeList(save, m_month, m_strMonth, kMonthTextLimit) &&
           ExchangeList(save, m_era, m_strEra, kEraTextLimit) &&
           ExchangeNumber(save, m_year, m_dYear, kYearRange) &&
           ExchangeCount(save, m_hour, m_nHour, kHourRange) &&
           ExchangeCount(save, m_minute, m_nMinute, kMinuteRange);
}

bool CAutopilotDlg::ExchangeCount(bool save, QLineEdit* edit, unsigned& value, CountRange range) {
    if (!save) {
        edit->setText(QString::number(value));
        return true;
    }
    switch (ReadCount(Typed(edit), range, &value)) {
        case FieldEntry::kNotANumber:
            return Refuse(edit, QStringLiteral("Please enter a positive integer."));
        case FieldEntry::kOutOfRange:
            return Refuse(edit, QStringLiteral("Please enter an integer between %1 and %2.")
                                    .arg(range.low)
                                    .arg(range.high));
        case FieldEntry::kAccepted:
            break;
    }
    return true;
}

bool CAutopilotDlg::ExchangeList(bool save, QComboBox* list, QString& value, int maxChars) {
    if (!save) {
        // Select the entry that begins with the text, as a list's prefix search does.
        int found = -1;
        for (int i = 0; i < list->count() && found < 0; ++i) {
            if (list->itemText(i).startsWith(value, Qt::CaseInsensitive)) {
                found = i;
            }
        }
        list->setCurrentIndex(found);
        return true;
    }
    const QString text = list->currentIndex() >= 0 ? list->currentText() : QString();
    if (text.size() > maxChars) {
        return Refuse(list,
                      QStringLiteral("Please enter no more than %1 characters.").arg(maxChars));
    }
    value = text;
    return true;
}

bool CAutopilotDlg::ExchangeNumber(bool save, QLineEdit* edit, double& value, NumberRange range) {
    if (!save) {
        edit->setText(Number(value));
        return true;
    }
    switch (ReadNumber(Typed(edit), range, &value)) {
        case FieldEntry::kNotANumber:
            return Refuse(edit, QStringLiteral("Please enter a number."));
        case FieldEntry::kOutOfRange:
            return Refuse(edit, QStringLiteral("Please enter a number between %1 and %2.")
                                    .arg(Number(range.low), Number(range.high)));
        case FieldEntry::kAccepted:
            break;
    }
    return true;
}

bool CAutopilotDlg::Refuse(QWidget* control, const QString& message) {
    m_complain(this, message);
    control->setFocus();
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->selectAll();
    }
    return false;
}

}  // namespace orb
