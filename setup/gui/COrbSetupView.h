// The installer's view: the background stretched over the client area at
// every paint, and, from the paints, the wizard and the installation. A timer
// asks for a paint every second, so a pending installation starts within a
// second and a failed one is tried again every second.
#pragma once

#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/Framebuffer.h"
#include "setup/gui/InstallPass.h"
#include "setup/gui/PassFailureNotice.h"
#include "setup/install/InstallDirectory.h"

namespace platform {
class Bitmap;
}  // namespace platform

class QPainter;

namespace orbsetup {

class CSetupCompleteDlg;
class CUpgradeWizardDlg;
class WindowTimers;

class COrbSetupView final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(COrbSetupView)
  public:
    // Told about each new reason why a pass could not finish, and about a
    // menu entry a complete pass could not make.
    using Reporter = std::function<void(const std::string& message)>;

    // `background` is bitmap 133 and must outlive the view; `rules` are what
    // the wizard measures a typed directory against.
    COrbSetupView(const platform::Bitmap& background, InstallPass pass, DirectoryRules rules,
                  std::unique_ptr<WindowTimers> timers, Reporter report, QWidget* parent = nullptr);
    ~COrbSetupView() override;

    // Every paint: the background, then on the first paint the timer and the
    // wizard, then the pending installation, if any.
    void OnDraw(QPainter& painter);
    // Timer 1 asks for a paint without erasing; other timers are ignored.
    void OnTimer(int id);
    // WM_SETUP_DIALOG_DONE from either dialog; the stage tells which one sent
    // it, so both parameters are ignored.
    long OnSetupDialogDone(int wParam, int lParam);

    // Null once the installation has completed.
    CUpgradeWizardDlg* Wizard() const { return m_pWizard.get(); }
    CSetupCompleteDlg& CompleteDialog() const { return *m_complete; }
    // The directory waiting to be installed; the root is the empty one.
    const std::optional<std::string>& PendingDirectory() const { return m_pendingDirectory; }
    bool IsWizardStage() const { return m_wizardStage; }
    const PassFailureNotice& FailureNotice() const { return m_failure; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void customEvent(QEvent* event) override;

  private:
    void DrawBackground(QPainter& painter);
    void RunPendingInstallation();

    const platform::Bitmap& m_background;
    InstallPass m_pass;
    std::unique_ptr<WindowTimers> m_timers;
    Reporter m_report;
    // The picture's 800 x 600 logical units, stretched over the client area.
    platform::Framebuffer m_picture;
    std::unique_ptr<CUpgradeWizardDlg> m_pWizard;
    std::unique_ptr<CSetupCompleteDlg> m_complete;
    std::optional<std::string> m_pendingDirectory;
    bool m_firstPaint = true;
    bool m_wizardStage = true;
    PassFailureNotice m_failure;
};

}  // namespace orbsetup
