// Dialog 130: asks for the directory of the previous installation. Modeless;
// its buttons post WM_SETUP_DIALOG_DONE to the view, which closes it.
#pragma once

#include <QString>
#include <string>

#include "setup/gui/ModelessDialog.h"
#include "setup/install/InstallDirectory.h"

class QLineEdit;
class QPushButton;

namespace orbsetup {

class CUpgradeWizardDlg final : public ModelessDialog {
    Q_OBJECT
  public:
    // `view` receives the dialog's messages; `rules` are what the typed
    // directory is measured against.
    CUpgradeWizardDlg(QObject& view, DirectoryRules rules, QWidget* parent = nullptr);

    // The directory taken on OK, as the installation uses it; empty after
    // Cancel or OK with nothing typed, and for the root, which is why
    // DirectoryTaken() tells the cases apart.
    QString m_strDirectory;
    bool DirectoryTaken() const { return m_directoryTaken; }

    QLineEdit* DirectoryEdit() const { return m_edit; }
    QPushButton* OkButton() const { return m_ok; }
    QPushButton* CancelButton() const { return m_cancel; }

    // Escape; the close box comes here too.
    void reject() override;

  protected:
    // The edit shows m_strDirectory as the window is made.
    void OnInitDialog() override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void OnOK();
    void OnCancel();

    QObject& m_view;
    DirectoryRules m_rules;
    bool m_directoryTaken = false;
    QLineEdit* m_edit = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};

}  // namespace orbsetup
