#pragma once

#include <QDialog>

namespace orb {

// The About box: icon, version, authorship and credits, and OK.
class CAboutDlg : public QDialog {
    Q_OBJECT
  public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};

}  // namespace orb
