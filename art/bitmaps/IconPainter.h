// The application icons: a glowing orb circled by a tilted orbit with clock
// hands on its face (travel through time). The installer's icon is the same
// orb with a download arrow into a tray in its corner.
#pragma once

#include <QImage>

namespace orb::art {

class IconPainter {
  public:
    static QImage Viewer(int size);
    static QImage Setup(int size);
};

}  // namespace orb::art
