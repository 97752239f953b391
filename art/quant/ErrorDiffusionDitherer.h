// Maps a full-colour picture onto a palette with Floyd-Steinberg error
// diffusion, scanning rows alternately left to right and right to left so
// that the error does not drift into diagonal streaks.
#pragma once

#include <QImage>
#include <QRgb>
#include <vector>

#include "quant/ColorSpace.h"
#include "quant/IndexedImage.h"

namespace orb::art {

class ErrorDiffusionDitherer {
  public:
    // Fraction of each pixel's error passed on to its neighbours; 1 is
    // classic Floyd-Steinberg.
    explicit ErrorDiffusionDitherer(float strength = 1.0f,
                                    ColorSpace space = ColorSpace::ScaledAxes());

    // palette holds 1..256 colours; the result uses the same indices.
    IndexedImage Apply(const QImage& source, const std::vector<QRgb>& palette) const;

  private:
    float m_strength;
    ColorSpace m_space;
};

}  // namespace orb::art
