#pragma once

#include <QIcon>

namespace orb::res {

// Icon 128 of the viewer, in every size the art generators made.
QIcon AppIcon();

}  // namespace orb::res
