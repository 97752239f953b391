#include "setup/gui/Caption.h"

#include <QString>
#include <QWidget>

namespace orbsetup {

void SetCaption(QWidget& window, const QString& caption) {
    window.setWindowTitle(caption.isEmpty() ? QStringLiteral(" ") : caption);
}

}  // namespace orbsetup
