#include "setup/res/AppIcon.h"

#include <QString>

namespace orbsetup::res {

QIcon AppIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icons/setup-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

}  // namespace orbsetup::res
