// A soft halo around lit shapes: the shapes are drawn on a transparent layer,
// blurred, and added onto the picture before the sharp shapes go on top.
#pragma once

#include <QImage>

namespace orb::art {

class Glow {
  public:
    // A transparent premultiplied layer of the given size.
    static QImage NewLayer(int width, int height);
    // Blurs the layer (three box passes, close to a Gaussian) and adds it to
    // the target with the given strength.
    static void AddBlurred(QImage& target, const QImage& layer, int radius, double strength);
};

}  // namespace orb::art
