// The whole reduction of a painting to 256 colours: palette, error diffusion,
// and a compact palette with only the entries the picture uses.
#pragma once

#include <QImage>

#include "IndexedImage.h"

namespace orb::art {

class ColorReducer {
  public:
    explicit ColorReducer(int maxColors = 256);
    IndexedImage Reduce(const QImage& image) const;

  private:
    int m_maxColors;
};

}  // namespace orb::art
