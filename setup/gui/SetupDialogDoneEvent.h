// WM_SETUP_DIALOG_DONE: what a dialog's button posts to the view. Being
// posted, it is handled after the button's handler has returned.
#pragma once

#include <QEvent>

#include "setup/res/ResourceIds.h"

class QObject;

namespace orbsetup {

class SetupDialogDoneEvent final : public QEvent {
  public:
    // The message number doubles as the event type: it lies in the user range.
    static constexpr QEvent::Type kType = static_cast<QEvent::Type>(res::WM_SETUP_DIALOG_DONE);
    static_assert(res::WM_SETUP_DIALOG_DONE >= QEvent::User &&
                  res::WM_SETUP_DIALOG_DONE <= QEvent::MaxUser);

    SetupDialogDoneEvent(int wParam, int lParam)
        : QEvent(kType), m_wParam(wParam), m_lParam(lParam) {}

    int WParam() const { return m_wParam; }
    int LParam() const { return m_lParam; }

    // Posts the message with `wParam` (res::IDOK or res::IDCANCEL) and an lParam of 0.
    static void Post(QObject& view, int wParam);

  private:
    int m_wParam;
    int m_lParam;
};

}  // namespace orbsetup
