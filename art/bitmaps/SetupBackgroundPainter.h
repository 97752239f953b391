// The installer's 800 x 600 window background: a blue gradient, bright at the
// top and darker below, with ORBILON in large white italics and the version
// under it. The middle stays calm because the wizard's dialogs sit there.
#pragma once

#include <QImage>

namespace orb::art {

class SetupBackgroundPainter {
  public:
    static QImage Paint();
};

}  // namespace orb::art
