#include "setup/gui/CUpgradeWizardDlg.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <utility>

#include "platform/qt/DialogUnits.h"
#include "setup/gui/SetupDialogDoneEvent.h"
#include "setup/res/ResourceIds.h"

namespace orbsetup {

CUpgradeWizardDlg::CUpgradeWizardDlg(QObject& view, DirectoryRules rules, QWidget* parent)
    : ModelessDialog(parent, QStringLiteral("Upgrade  Setup  Wizard"), 186, 95),
      m_view(view),
      m_rules(std::move(rules)) {
    AddText("Enter  the  name  of  the  Directory  in  which  you  installed", 7, 14, 169);
    AddText("the previous version:", 7, 24, 63);
    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("IDC_DIRECTORY"));
    m_edit->setGeometry(platform::DluRect(7, 40, 165, 14));
    m_edit->setMaxLength(res::kDirectoryMaxChars);
    // The viewer finds its files through this path from wherever it is
    // started, so only a full path will do; the template's texts stay as
    // they are and the edit says so itself.
    m_edit->setPlaceholderText(QStringLiteral("a full path, such as /home/you/Orbilon"));
    m_edit->setToolTip(
        QStringLiteral("The full path of the directory, beginning with / (or ~ for your home "
                       "directory)."));
    m_ok = AddButton("OK", "IDOK", 111, 74);
    m_ok->setDefault(true);
    m_cancel = AddButton("Cancel", "IDCANCEL", 23, 74);

    connect(m_ok, &QPushButton::clicked, this, &CUpgradeWizardDlg::OnOK);
    connect(m_cancel, &QPushButton::clicked, this, &CUpgradeWizardDlg::OnCancel);
}

void CUpgradeWizardDlg::OnInitDialog() {
    m_edit->setText(m_strDirectory);
    m_edit->setFocus();
}

void CUpgradeWizardDlg::OnOK() {
    const QString typed = m_edit->text();
    // Nothing typed is a choice not to install, which the view takes as such.
    if (typed.isEmpty()) {
        SetupDialogDoneEvent::Post(m_view, res::IDOK);
        m_strDirectory.clear();
        m_directoryTaken = false;
        return;
    }
    // A directory the installation cannot use is turned away here, before
    // anything is written, and the wizard stays open for another try.
    const DirectoryCheck check = CheckInstallDirectory(typed.toStdString(), m_rules);
    if (!check.ok) {
        QMessageBox::warning(this, QString::fromLatin1(res::kAppTitle),
                             QString::fromStdString(check.problem));
        m_edit->setFocus();
        m_edit->selectAll();
        return;
    }
    SetupDialogDoneEvent::Post(m_view, res::IDOK);
    m_strDirectory = QString::fromStdString(check.directory);
    m_directoryTaken = true;
}

void CUpgradeWizardDlg::OnCancel() {
    SetupDialogDoneEvent::Post(m_view, res::IDCANCEL);
    m_strDirectory.clear();
    m_directoryTaken = false;
    m_edit->clear();
}

void CUpgradeWizardDlg::reject() {
    // The view closes the window when it takes the message.
    OnCancel();
}

void CUpgradeWizardDlg::closeEvent(QCloseEvent* event) {
    event->ignore();
    OnCancel();
}

}  // namespace orbsetup
