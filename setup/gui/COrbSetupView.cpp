#include "setup/gui/COrbSetupView.h"

#include <QPainter>
#include <exception>
#include <utility>

#include "platform/Bitmap.h"
#include "platform/Dc.h"
#include "platform/MemoryDc.h"
#include "platform/qt/FrameImage.h"
#include "setup/gui/CSetupCompleteDlg.h"
#include "setup/gui/CUpgradeWizardDlg.h"
#include "setup/gui/SetupDialogDoneEvent.h"
#include "setup/gui/WindowTimers.h"
#include "setup/res/ResourceIds.h"

namespace orbsetup {

COrbSetupView::COrbSetupView(const platform::Bitmap& background, InstallPass pass,
                             DirectoryRules rules, std::unique_ptr<WindowTimers> timers,
                             Reporter report, QWidget* parent)
    : QWidget(parent),
      m_background(background),
      m_pass(std::move(pass)),
      m_timers(std::move(timers)),
      m_report(std::move(report)),
      m_picture(platform::Rgb(0, 0, 0)) {
    // Every paint covers the whole client area, so nothing is erased first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    // The dialogs exist from the start; their windows come later.
    m_pWizard = std::make_unique<CUpgradeWizardDlg>(*this, std::move(rules), this);
    m_complete = std::make_unique<CSetupCompleteDlg>(*this, this);
}

COrbSetupView::~COrbSetupView() = default;

void COrbSetupView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    OnDraw(painter);
}

void COrbSetupView::OnDraw(QPainter& painter) {
    DrawBackground(painter);
    if (m_firstPaint) {
        m_timers->SetTimer(res::kRepaintTimer, res::kRepaintPeriodMs,
                           [this](int id) { OnTimer(id); });
        if (!m_pWizard->HasWindow()) {
            m_pWizard->Create();
        }
        m_firstPaint = false;
    }
    if (m_pendingDirectory) {
        RunPendingInstallation();
    }
    m_failure.Draw(painter, rect());
}

void COrbSetupView::DrawBackground(QPainter& painter) {
    platform::MemoryDc memory;
    memory.CreateCompatible();
    memory.SelectBitmap(&m_background);
    platform::Dc dc(m_picture);
    dc.BitBlt(0, 0, platform::Framebuffer::kWidth, platform::Framebuffer::kHeight, memory, 0, 0);
    memory.SelectBitmap(nullptr);
    // 800 x 600 units to the client area, whatever its size, sampled at the
    // device's own pixels and without smoothing, so that a screen of higher
    // density shows the picture as sharp as one of ordinary density.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(rect(), platform::FrameImage(std::as_const(m_picture)));
}

void COrbSetupView::RunPendingInstallation() {
    PassOutcome outcome;
    // A paint handler must not let an exception into the toolkit; whatever
    // escapes the pass counts as a failed pass, retried like any other.
    try {
        outcome = m_pass(*m_pendingDirectory);
    } catch (const std::exception& error) {
        outcome.failedPath = *m_pendingDirectory;
        outcome.reason = error.what();
    }
    if (!outcome.complete) {
        // Retried every second: only a failure not met before is told.
        if (m_failure.Show(*m_pendingDirectory, outcome) && m_report) {
            m_report(m_failure.Text().toStdString());
        }
        return;
    }
    m_failure.Clear();
    if (outcome.desktopMissed) {
        m_failure.ShowDesktopMissed(*m_pendingDirectory, *outcome.desktopMissed);
        if (m_report) {
            m_report(m_failure.Text().toStdString());
        }
    }
    m_pWizard.reset();
    m_wizardStage = false;
    m_complete->Create();
    m_pendingDirectory.reset();
}

void COrbSetupView::OnTimer(int id) {
    if (id == res::kRepaintTimer) {
        update();
    }
}

long COrbSetupView::OnSetupDialogDone(int, int) {
    if (m_wizardStage) {
        if (m_pWizard->DirectoryTaken()) {
            m_pendingDirectory = m_pWizard->m_strDirectory.toStdString();
        }
        m_pWizard->DestroyWindow();
    } else {
        m_complete->DestroyWindow();
    }
    return 0;
}

void COrbSetupView::customEvent(QEvent* event) {
    if (event->type() == SetupDialogDoneEvent::kType) {
        if (const auto* done = dynamic_cast<const SetupDialogDoneEvent*>(event)) {
            OnSetupDialogDone(done->WParam(), done->LParam());
        }
    }
}

}  // namespace orbsetup
