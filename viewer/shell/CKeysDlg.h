#pragma once

#include <QDialog>

namespace orb {

// The keys of the main window and what each does on the travel and the
// browsing screen, and OK.
class CKeysDlg : public QDialog {
    Q_OBJECT
  public:
    explicit CKeysDlg(QWidget* parent = nullptr);
};

}  // namespace orb
