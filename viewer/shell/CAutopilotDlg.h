// The Autopilot dialog: a destination typed as day, month, year with its era,
// and time of day.
#pragma once

#include <QDialog>
#include <QString>
#include <functional>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace orb {

struct CountRange;
struct NumberRange;

class CAutopilotDlg final : public QDialog {
    Q_OBJECT
  public:
    // Told about a field that does not parse or is out of range, as the
    // framework's standard message; by default a message box.
    using Complaint = std::function<void(QWidget* dialog, const QString& message)>;

    explicit CAutopilotDlg(QWidget* parent = nullptr, Complaint complain = {});

    // The fields, in the order they are exchanged with the controls.
    unsigned m_nDay = 0;
    QString m_strMonth;
    QString m_strEra;
    double m_dYear = 0.0;
    unsigned m_nHour = 0;
    unsigned m_nMinute = 0;

    // Fills the controls from the fields, or (save) reads and validates them
    // into the fields in order, stopping at the first bad one with the focus
    // on it; the fields before it keep what was read.
    bool DoDataExchange(bool save);

    QLineEdit* DayEdit() const { return m_day; }
    QComboBox* MonthList() const { return m_month; }
    QLineEdit* YearEdit() const { return m_year; }
    QComboBox* EraList() const { return m_era; }
    QLineEdit* HourEdit() const { return m_hour; }
    QLineEdit* MinuteEdit() const { return m_minute; }
    QPushButton* OkButton() const { return m_ok; }
    QPushButton* CancelButton() const { return m_cancel; }

    int exec() override;

  private:
    void OnOK();
    bool ExchangeCount(bool save, QLineEdit* edit, unsigned& value, CountRange range);
    bool ExchangeList(bool save, QComboBox* list, QString& value, int maxChars);
    bool ExchangeNumber(bool save, QLineEdit* edit, double& value, NumberRange range);
    bool Refuse(QWidget* control, const QString& message);

    Complaint m_complain;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
    QComboBox* m_month = nullptr;
    QLineEdit* m_year = nullptr;
    QComboBox* m_era = nullptr;
    QLineEdit* m_day = nullptr;
    QLineEdit* m_hour = nullptr;
    QLineEdit* m_minute = nullptr;
};

}  // namespace orb
