#include "shell/CAutopilotDlg.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <cerrno>
#include <clocale>
#include <cstdlib>
#include <memory>
#include <type_traits>

#include "display/Calendar.h"
#include "platform/qt/DialogUnits.h"
#include "res/ResourceIds.h"

namespace orb {

using platform::DialogFont;
using platform::DluRect;
using platform::DluX;
using platform::DluY;

namespace {

constexpr double kYearMinEntry = 1.0;
constexpr double kYearMaxEntry = 1.5e10;

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

void MakeLabel(QWidget* parent, const char* text, int x, int y, int width) {
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->setGeometry(DluRect(x, y, width, 8));
}

// The text as an unsigned decimal number: optional blanks around digits only.
bool ParseUnsigned(const QString& text, unsigned* value) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) {
        return false;
    }
    unsigned long long result = 0;
    for (QChar c : trimmed) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            return false;
        }
        result = result * 10 + static_cast<unsigned>(c.unicode() - '0');
        if (result > 0xFFFFFFFFull) {
            return false;
        }
    }
    *value = static_cast<unsigned>(result);
    return true;
}

// The C locale, made on first use and freed at exit.
locale_t CLocale() {
    static const std::unique_ptr<std::remove_pointer_t<locale_t>, decltype(&::freelocale)> c(
        ::newlocale(LC_ALL_MASK, "C", nullptr), &::freelocale);
    return c.get();
}

// The text as a floating-point number, nothing else around it but blanks.
// The number is in the program's own format, with a decimal point whatever
// the user's locale: the dialog writes the year that way too.
bool ParseDouble(const QString& text, double* value) {
    const locale_t cLocale = CLocale();
    const QByteArray bytes = text.trimmed().toLatin1();
    if (bytes.isEmpty() || cLocale == nullptr) {
        return false;
    }
    char* end = nullptr;
    errno = 0;
    const double result = ::strtod_l(bytes.constData(), &end, cLocale);
    if (end != bytes.constData() + bytes.size() || errno == ERANGE) {
        return false;
    }
    *value = result;
    return true;
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
    // The time of day is reached with the mouse only.
    m_hour->setFocusPolicy(Qt::ClickFocus);
    m_minute->setFocusPolicy(Qt::ClickFocus);
    MakeLabel(this, "DAY", 26, 35, 15);
    MakeLabel(this, "MONTH", 84, 35, 26);
    MakeLabel(this, "YEAR", 143, 35, 20);
    MakeLabel(this, "Time of Day", 51, 83, 39);

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
    return ExchangeUnsigned(save, m_day, m_nDay, 1, 31) &&
           ExchangeList(save, m_month, m_strMonth, 3) && ExchangeList(save, m_era, m_strEra, 5) &&
           ExchangeDouble(save, m_year, m_dYear, kYearMinEntry, kYearMaxEntry) &&
           ExchangeUnsigned(save, m_hour, m_nHour, 0, 23) &&
           ExchangeUnsigned(save, m_minute, m_nMinute, 0, 59);
}

bool CAutopilotDlg::ExchangeUnsigned(bool save, QLineEdit* edit, unsigned& value, unsigned lo,
                                     unsigned hi) {
    if (!save) {
        edit->setText(QString::number(value));
        return true;
    }
    unsigned parsed = 0;
    if (!ParseUnsigned(edit->text(), &parsed)) {
        return Refuse(edit, QStringLiteral("Please enter a positive integer."));
    }
    if (parsed < lo || parsed > hi) {
        return Refuse(edit,
                      QStringLiteral("Please enter an integer between %1 and %2.").arg(lo).arg(hi));
    }
    value = parsed;
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

bool CAutopilotDlg::ExchangeDouble(bool save, QLineEdit* edit, double& value, double lo,
                                   double hi) {
    if (!save) {
        edit->setText(QString::asprintf("%.15g", value));
        return true;
    }
    double parsed = 0.0;
    if (!ParseDouble(edit->text(), &parsed)) {
        return Refuse(edit, QStringLiteral("Please enter a number."));
    }
    if (!(parsed >= lo && parsed <= hi)) {
        return Refuse(edit,
                      QStringLiteral("Please enter a number between %1 and %2.")
                          .arg(QString::asprintf("%.15g", lo), QString::asprintf("%.15g", hi)));
    }
    value = parsed;
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
