// Measures of how far a reduced picture is from its original.
#pragma once

#include <QImage>

namespace orb::art {

class ImageMetrics {
  public:
    // Peak signal-to-noise ratio in dB over the red, green and blue channels
    // of two pictures of the same size; +infinity when they are identical.
    static double Psnr(const QImage& first, const QImage& second);
};

}  // namespace orb::art
