#include "shell/COrbApp.h"

#include "platform/FileException.h"
#include "platform/Path.h"
#include "shell/CAboutDlg.h"
#include "shell/CKeysDlg.h"
#include "shell/CMainFrame.h"
#include "shell/OrbViewWidget.h"

namespace orb {

COrbApp::COrbApp(ViewState& state, const ViewSources& sources, platform::SoundPlayer& sound,
                 volatile char* installPathField, FailureReporter reportFailure)
    : m_state(state),
      m_sources(sources),
      m_sound(sound),
      m_installPathField(installPathField),
      m_reportFailure(std::move(reportFailure)) {}

COrbApp::~COrbApp() = default;

std::string COrbApp::DatabankFailureMessage(const std::string& path) {
    return "The events databank could not be read:\n" + path +
           "\n\nOrbilon must be installed with setup, which writes the databank and the "
           "scene files into the installation directory.";
}

bool COrbApp::InitInstance() {
    if (!m_doc.OnNewDocument()) {
        return false;
    }
    // The view loads everything before any window exists, so a failure
    // leaves nothing half-made on screen.
    std::unique_ptr<OrbViewWidget> view;
    try {
        view = std::make_unique<OrbViewWidget>(m_state, m_sources, m_sound, m_installPathField);
    } catch (const platform::FileException& error) {
        if (m_reportFailure) {
            m_reportFailure(DatabankFailureMessage(platform::ResolvePath(error.Path())));
        }
        return false;
    }
    m_viewWidget = view.get();
    m_frame = std::make_unique<CMainFrame>(m_state, view.release());
    connect(m_frame.get(), &CMainFrame::aboutRequested, this, &COrbApp::OnAppAbout);
    connect(m_frame.get(), &CMainFrame::keysRequested, this, &COrbApp::OnHelpKeys);
    connect(m_frame.get(), &CMainFrame::returnToPresentRequested, this,
            [this] { m_viewWidget->View().OnReturnToPresent(); });
    m_frame->show();
    return true;
}

void COrbApp::OnHelpKeys() {
    CKeysDlg keys(m_frame.get());
    keys.exec();
}

void COrbApp::OnAppAbout() {
    CAboutDlg about(m_frame.get());
    about.exec();
}

}  // namespace orb
