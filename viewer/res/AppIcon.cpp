#include "res/AppIcon.h"

#include "platform/qt/ResourceIcon.h"

namespace orb::res {

QIcon AppIcon() {
    return platform::ResourceIcon(QStringLiteral("orb"));
}

}  // namespace orb::res
