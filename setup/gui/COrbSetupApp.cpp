#include "setup/gui/COrbSetupApp.h"

#include <QFileDialog>
#include <QStringList>
#include <utility>

#include "platform/qt/LoadBitmap.h"
#include "setup/gui/CMainFrame.h"
#include "setup/gui/COrbSetupView.h"
#include "setup/gui/WindowTimers.h"
#include "setup/res/ResourceIds.h"

namespace orbsetup {

COrbSetupApp::COrbSetupApp(InstallPass pass, DirectoryRules rules,
                           std::unique_ptr<WindowTimers> timers, Reporter reportStartFailure,
                           Reporter reportPassFailure)
    : m_pass(std::move(pass)),
      m_rules(std::move(rules)),
      m_timers(std::move(timers)),
      m_reportStartFailure(std::move(reportStartFailure)),
      m_reportPassFailure(std::move(reportPassFailure)) {}

COrbSetupApp::~COrbSetupApp() = default;

bool COrbSetupApp::InitInstance() {
    m_background = platform::LoadBitmap(res::IDB_BACKGROUND);
    if (m_background.IsNull()) {
        if (m_reportStartFailure) {
            m_reportStartFailure("The installer's background picture (bitmap " +
                                 std::to_string(res::IDB_BACKGROUND) +
                                 ") is missing from the program.");
        }
        return false;
    }
    if (!m_doc.OnNewDocument()) {
        return false;
    }
    auto view = std::make_unique<COrbSetupView>(m_background, std::move(m_pass), m_rules,
                                                std::move(m_timers), m_reportPassFailure);
    m_view = view.get();
    m_frame = std::make_unique<CMainFrame>(view.release());
    QObject::connect(m_frame.get(), &CMainFrame::newRequested, m_frame.get(),
                     [this] { OnFileNew(); });
    QObject::connect(m_frame.get(), &CMainFrame::openRequested, m_frame.get(),
                     [this] { OnFileOpen(); });
    m_frame->showMaximized();
    return true;
}

void COrbSetupApp::OnFileNew() {
    m_doc.OnNewDocument();
}

void COrbSetupApp::OnFileOpen() {
    QFileDialog dialog(m_frame.get(), QStringLiteral("Open"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(QStringLiteral("All Files (*)"));
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    const QStringList chosen = dialog.selectedFiles();
    if (!chosen.isEmpty()) {
        m_doc.OnOpenDocument(chosen.first().toStdString());
    }
}

}  // namespace orbsetup
