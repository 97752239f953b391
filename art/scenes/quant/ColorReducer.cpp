#include "ColorReducer.h"

#include "ErrorDiffusionDitherer.h"
#include "PaletteQuantizer.h"

namespace orb::art {

ColorReducer::ColorReducer(int maxColors) : m_maxColors(maxColors) {}

IndexedImage ColorReducer::Reduce(const QImage& image) const {
    const PaletteQuantizer quantizer(m_maxColors);
    const ErrorDiffusionDitherer ditherer;
    IndexedImage indexed = ditherer.Apply(image, quantizer.BuildPalette(image));
    indexed.Compact();
    return indexed;
}

}  // namespace orb::art
