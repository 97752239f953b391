#pragma once

#include <QIcon>

namespace orbsetup::res {

// Icon 128 of the installer, in every size the art generators made.
QIcon AppIcon();

}  // namespace orbsetup::res
