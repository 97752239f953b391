// Chooses up to 256 colours for a full-colour picture: a variance-minimising
// median cut over a fine colour histogram, refined by a few rounds of k-means.
// A picture that already has few enough colours keeps them exactly.
#pragma once

#include <QImage>
#include <QRgb>
#include <vector>

namespace orb::art {

class PaletteQuantizer {
  public:
    explicit PaletteQuantizer(int maxColors = 256, int refinePasses = 8);

    // Distinct colours (alpha ignored), at most maxColors of them, in a fixed
    // order for a given picture.
    std::vector<QRgb> BuildPalette(const QImage& image) const;

  private:
    int m_maxColors;
    int m_refinePasses;
};

}  // namespace orb::art
