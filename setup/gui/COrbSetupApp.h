// The installer's application: loads the background, makes the document, the
// view and the main frame, and shows the frame maximised.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/Bitmap.h"
#include "setup/gui/COrbSetupDoc.h"
#include "setup/gui/InstallPass.h"
#include "setup/install/InstallDirectory.h"

namespace orbsetup {

class CMainFrame;
class COrbSetupView;
class WindowTimers;

class COrbSetupApp final {
  public:
    // Told something for the user, in words for the user.
    using Reporter = std::function<void(const std::string& message)>;

    // `pass` runs one installation pass, `rules` are what the wizard measures
    // a typed directory against, `timers` become the view's; `reportStartFailure` hears why the
    // program cannot start, `reportPassFailure` each new reason why a pass
    // could not finish.
    COrbSetupApp(InstallPass pass, DirectoryRules rules, std::unique_ptr<WindowTimers> timers,
                 Reporter reportStartFailure, Reporter reportPassFailure);
    ~COrbSetupApp();
    COrbSetupApp(const COrbSetupApp&) = delete;
    COrbSetupApp& operator=(const COrbSetupApp&) = delete;

    // Makes the windows and shows the frame. Returns false, with no window
    // made, when the background cannot be loaded.
    bool InitInstance();

    // Ctrl+N: the empty document made again.
    void OnFileNew();
    // Ctrl+O: the file-open dialog; the document reads nothing from the file.
    void OnFileOpen();

    CMainFrame* MainFrame() const { return m_frame.get(); }
    COrbSetupView* View() const { return m_view; }

  private:
    InstallPass m_pass;
    DirectoryRules m_rules;
    std::unique_ptr<WindowTimers> m_timers;
    Reporter m_reportStartFailure;
    Reporter m_reportPassFailure;
    // Bitmap 133, for the whole run; the view draws it and goes first.
    platform::Bitmap m_background;
    COrbSetupDoc m_doc;
    std::unique_ptr<CMainFrame> m_frame;
    COrbSetupView* m_view = nullptr;  // owned by the frame
};

}  // namespace orbsetup
