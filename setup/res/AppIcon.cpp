#include "setup/res/AppIcon.h"

#include "platform/qt/ResourceIcon.h"

namespace orbsetup::res {

QIcon AppIcon() {
    return platform::ResourceIcon(QStringLiteral("setup"));
}

}  // namespace orbsetup::res
