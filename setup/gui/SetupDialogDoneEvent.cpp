#include "setup/gui/SetupDialogDoneEvent.h"

#include <QCoreApplication>

namespace orbsetup {

void SetupDialogDoneEvent::Post(QObject& view, int wParam) {
    // The event queue takes the event and deletes it once handled.
    QCoreApplication::postEvent(&view, new SetupDialogDoneEvent(wParam, 0));
}

}  // namespace orbsetup
