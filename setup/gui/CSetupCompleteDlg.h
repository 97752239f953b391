// Dialog 145: says that the installation is complete. Modeless; its OK posts
// WM_SETUP_DIALOG_DONE to the view, which closes it.
#pragma once

#include "setup/gui/ModelessDialog.h"

namespace orbsetup {

class CSetupCompleteDlg final : public ModelessDialog {
    Q_OBJECT
  public:
    explicit CSetupCompleteDlg(QObject& view, QWidget* parent = nullptr);

    QPushButton* OkButton() const { return m_ok; }

  protected:
    void OnInitDialog() override;

  private:
    void OnOK();

    QObject& m_view;
    QPushButton* m_ok = nullptr;
};

}  // namespace orbsetup
