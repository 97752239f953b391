// The application: builds the document, the view and the main frame, and
// runs the About box.
#pragma once

#include <QObject>
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
};

}  // namespace orb
