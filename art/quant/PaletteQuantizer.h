// The one colour reduction of the art generators: a full-colour picture
// becomes at most 256 (or 16) palette entries and one index per pixel.
//
//  1. The distinct colours are counted; a picture with few enough keeps them
//     exactly.
//  2. Optionally, the colours of large flat fills (backgrounds, faces) are
//     pinned: they keep their exact value.
//  3. The rest is split into boxes by median cut, each box giving one entry,
//  4. and a few rounds of k-means move the free entries to the centres of
//     what maps to them (pinned entries attract colours but stay put).
//  5. Every pixel is mapped onto the palette, by error diffusion or to its
//     nearest entry (crisp edges, for small bitmaps).
//  6. Optionally the palette is compacted: only used entries, darkest first.
//
// The scenes and the bitmaps each take one preset of the options below;
// each preset reproduces, to the byte, what that generator has always made.
#pragma once

#include <QImage>
#include <QRgb>
#include <vector>

#include "quant/ColorSpace.h"
#include "quant/IndexedImage.h"

namespace orb::art {

// How the median cut picks the next box and where it splits it.
enum class SplitRule {
    // The box with the most squared error, along its axis of greatest
    // variance, where the two halves' total error is least.
    kLeastError,
    // The box whose widest channel range times the square root of its pixel
    // count is largest, along that channel, at its median pixel.
    kMedianPixel,
};

struct QuantizeOptions {
    int maxColors = 256;  // 1..256
    // Error diffusion (soft ramps without bands) or nearest entry (crisp).
    bool dither = true;
    // A colour covering at least 1/pinOneIn of the picture keeps its exact
    // value, up to maxColors / 4 such colours; 0 pins none.
    int pinOneIn = 0;
    SplitRule split = SplitRule::kLeastError;
    ColorSpace space = ColorSpace::ScaledAxes();
    // Entries snap to whole channel levels after the cut and every k-means
    // round, rather than only at the end.
    bool wholeLevels = false;
    int refinePasses = 8;  // k-means rounds at most; they stop once nothing moves
    // Only used entries, darkest first, no repeats; otherwise the entries
    // stay in the order they were made: pinned ones first, then the boxes.
    bool compact = true;

    // 256 colours by error diffusion, compacted: the scene files.
    static QuantizeOptions ForScenes();
    // 16 or 256 crisp colours with flat fills pinned: the 4- and 8-bit bitmaps.
    static QuantizeOptions ForBitmaps(int colors);
};

class PaletteQuantizer {
  public:
    explicit PaletteQuantizer(QuantizeOptions options = QuantizeOptions::ForScenes());
    // The scene options with another palette size.
    explicit PaletteQuantizer(int maxColors);

    // Steps 1 to 4: at most maxColors entries, in a fixed order for a given
    // picture; distinct from each other when the options compact.
    std::vector<QRgb> BuildPalette(const QImage& source) const;
    // All steps: the picture as palette indices.
    IndexedImage Reduce(const QImage& source) const;

  private:
    QuantizeOptions m_options;
};

}  // namespace orb::art
