#include "shell/COrbApp.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <cstdio>
#include <filesystem>

#include "display/COrbView.h"
#include "display/DatabankCheck.h"
#include "res/ResourceIds.h"

#include "platform/FileException.h"
#include "platform/Path.h"
#include "shell/CAboutDlg.h"
#include "shell/CKeysDlg.h"
#include "shell/CMainFrame.h"
#include "shell/OrbViewWidget.h"

namespace orb {

namespace {

// How many of a databank's problems a message lists.
constexpr std::size_t kProblemsShown = 10;

}  // namespace

DatabankDialogs StandardDatabankDialogs() {
    DatabankDialogs dialogs;
    dialogs.choose = [](QWidget* parent) {
        return QFileDialog::getOpenFileName(
            parent, QStringLiteral("Select New Databank"), QString(),
            QStringLiteral("Databanks (*.[dD][aA][tT]);;All files (*)"));
    };
    dialogs.tell = [](QWidget* parent, bool warning, const QString& text) {
        const QString title = QString::fromLatin1(res::kAppTitle);
        if (warning) {
            QMessageBox::warning(parent, title, text);
        } else {
            QMessageBox::information(parent, title, text);
        }
    };
    return dialogs;
}

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
    connect(m_frame.get(), &CMainFrame::selectDatabankRequested, this, &COrbApp::OnSelectDatabank);
    connect(m_frame.get(), &CMainFrame::installedDatabankRequested, this,
            &COrbApp::OnInstalledDatabank);
    connect(m_frame.get(), &CMainFrame::reloadDatabankRequested, this, &COrbApp::OnReloadDatabank);
    connect(m_frame.get(), &CMainFrame::aboutRequested, this, &COrbApp::OnAppAbout);
    connect(m_frame.get(), &CMainFrame::keysRequested, this, &COrbApp::OnHelpKeys);
    connect(m_frame.get(), &CMainFrame::returnToPresentRequested, this,
            [this] { m_viewWidget->View().OnReturnToPresent(); });
    m_frame->show();
    return true;
}

void COrbApp::OnSelectDatabank() {
    const QString path = m_dialogs.choose(m_frame.get());
    if (!path.isEmpty()) {
        OpenDatabank(path.toStdString());
    }
}

void COrbApp::OnReloadDatabank() {
    if (!m_state.m_databankPath.empty()) {
        OpenDatabank(m_state.m_databankPath);
    }
}

void COrbApp::OnInstalledDatabank() {
    try {
        m_viewWidget->View().UseInstalledDatabank();
    } catch (const platform::FileException& error) {
        m_dialogs.tell(
            m_frame.get(), true,
            QString::fromStdString(DatabankFailureMessage(platform::ResolvePath(error.Path()))));
        return;
    }
    m_frame->ShowDatabank(QString());
}

bool COrbApp::OpenDatabank(const std::string& path, bool atStart) {
    const DatabankOpening opening = m_viewWidget->View().OpenDatabank(path);
    const QString name = QFileInfo(QString::fromStdString(path)).fileName();
    const std::string problems = ListProblems(opening.problems, kProblemsShown);
    if (!opening.opened) {
        const std::string why = opening.unreadable.empty() ? problems : opening.unreadable + "\n";
        const std::string text = "Orbilon cannot open the databank " + path + ":\n\n" + why +
                                 "\nThe databank browsed stays as it was.";
        if (atStart) {
            std::fprintf(stderr, "orb: %s\n", text.c_str());
        }
        m_dialogs.tell(m_frame.get(), true, QString::fromStdString(text));
        return false;
    }
    m_frame->ShowDatabank(name);
    if (!opening.problems.empty()) {
        m_dialogs.tell(m_frame.get(), false,
                       QStringLiteral("The databank %1 is open, but some of its events will not "
                                      "show, or will show wrongly:\n\n")
                               .arg(name) +
                           QString::fromStdString(problems));
    }
    return true;
}

void COrbApp::OpenStartDatabank(const std::string& argument) {
    std::error_code error;
    const std::filesystem::path path = std::filesystem::absolute(argument, error);
    OpenDatabank(error ? argument : path.lexically_normal().string(), true);
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
