#include "setup/gui/CSetupCompleteDlg.h"

#include <QPushButton>

#include "setup/gui/SetupDialogDoneEvent.h"
#include "setup/res/ResourceIds.h"

namespace orbsetup {

CSetupCompleteDlg::CSetupCompleteDlg(QObject& view, QWidget* parent)
    : ModelessDialog(parent, QString(), 187, 100), m_view(view) {
    AddText("Setup was completed successfuly", 42, 22, 102);
    AddText("You can now close the Setup Window", 37, 44, 113);
    m_ok = AddButton("OK", "IDOK", 64, 69);
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &CSetupCompleteDlg::OnOK);
    // Escape and the close box keep the dialog's own cancel: they close the
    // window and send nothing.
}

void CSetupCompleteDlg::OnInitDialog() {
    m_ok->setFocus();
}

void CSetupCompleteDlg::OnOK() {
    SetupDialogDoneEvent::Post(m_view, res::IDOK);
}

}  // namespace orbsetup
