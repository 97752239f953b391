// The application: builds the document, the view and the main frame, runs
// the About box, and opens databanks of one's own.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <string>

#include "display/ViewSources.h"
#include "shell/COrbDoc.h"

namespace platform {
class SoundPlayer;
}  // namespace platform

namespace orb {

struct ViewState;
class CMainFrame;
class OrbViewWidget;
struct DatabankOpening;

// How the application asks for a databank file and tells what came of
// opening one; tests hand in their own.
struct DatabankDialogs {
    // The file chosen, or empty when the choice was cancelled.
    std::function<QString(QWidget* parent)> choose;
    // A message about a databank; `warning` when it was refused.
    std::function<void(QWidget* parent, bool warning, const QString& text)> tell;
};

// The file dialog and message boxes the program uses.
DatabankDialogs StandardDatabankDialogs();

class COrbApp final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(COrbApp)
  public:
    // Told why start-up failed, in words for the user.
    using FailureReporter = std::function<void(const std::string& message)>;

    // The sources and the sound player must outlive the application object.
    COrbApp(ViewState& state, const ViewSources& sources, platform::SoundPlayer& sound,
            volatile char* installPathField, FailureReporter reportFailure);
    ~COrbApp() override;

    // Creates document, view and frame and shows the frame. Returns false, with
    // no window made, when the view cannot load its data.
    bool InitInstance();
    void OnAppAbout();
    void OnHelpKeys();

    // File, Select New Databank; Installed Databank; Reload Databank.
    void OnSelectDatabank();
    void OnInstalledDatabank();
    void OnReloadDatabank();
    // Opens a databank of one's own at the absolute `path`, through the
    // check, and tells what is wrong with it. At start-up (`atStart`) a
    // refusal is also written to standard error. True when it was opened.
    bool OpenDatabank(const std::string& path, bool atStart = false);
    // The databank the command line names: a relative path is taken from the
    // directory the program was started in. A refusal is also written to
    // standard error, and the installed databank stays.
    void OpenStartDatabank(const std::string& argument);
    void SetDatabankDialogs(DatabankDialogs dialogs) { m_dialogs = std::move(dialogs); }

    CMainFrame* MainFrame() const { return m_frame.get(); }
    OrbViewWidget* ViewWidget() const { return m_viewWidget; }

    // The message shown when the databank cannot be read.
    static std::string DatabankFailureMessage(const std::string& path);

  private:
    ViewState& m_state;
    ViewSources m_sources;
    platform::SoundPlayer& m_sound;
    volatile char* m_installPathField;
    FailureReporter m_reportFailure;
    COrbDoc m_doc;
    std::unique_ptr<CMainFrame> m_frame;
    OrbViewWidget* m_viewWidget = nullptr;  // owned by the frame
    DatabankDialogs m_dialogs = StandardDatabankDialogs();
};

}  // namespace orb
