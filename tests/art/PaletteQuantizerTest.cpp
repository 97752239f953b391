// The one colour reduction: as the 4- and 8-bit bitmaps use it (exact flat
// fills, crisp edges, 16 or 256 entries), and as the scenes use it, on
// pictures with known answers.
#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "quant/ErrorDiffusionDitherer.h"
#include "quant/ImageMetrics.h"
#include "quant/IndexedImage.h"
#include "quant/PaletteQuantizer.h"

namespace {

using namespace orb::art;

constexpr int kFaceW = 160;
constexpr int kFaceH = 60;
constexpr int kStripe = 8;            // 8 x 60 pixels: 5 % of the face, well over 1/50
const QRect kPatch(120, 20, 10, 10);  // 100 pixels: too few to be pinned
const QRgb kPatchColour = qRgb(201, 77, 150);

// A control face: flat stripes of `fills` on the left, a soft ramp of two
// thousand colours around them that spans the fills' colours, and a small
// flat patch of a colour the ramp does not have.
QImage ControlFace(const std::vector<QRgb>& fills) {
    QImage image(kFaceW, kFaceH, QImage::Format_RGB32);
    for (int y = 0; y < kFaceH; ++y) {
        for (int x = 0; x < kFaceW; ++x) {
            const auto stripe = static_cast<std::size_t>(x / kStripe);
            // Each ramp colour covers 2 x 2 pixels, so a dithered mapping
            // would give its pixels different entries.
            const int u = x / 2;
            const int v = y / 2;
            QRgb c = qRgb(40 + 2 * u, 60 + 4 * v, 120 + (u + v) % 50);
            if (stripe < fills.size()) {
                c = fills[stripe];
            } else if (kPatch.contains(x, y)) {
                c = kPatchColour;
            }
            image.setPixel(x, y, c);
        }
    }
    return image;
}

orb::art::IndexedImage ReduceForBitmap(const QImage& image, int colours) {
    return PaletteQuantizer(QuantizeOptions::ForBitmaps(colours)).Reduce(image);
}

const std::vector<QRgb> kFills = {qRgb(60, 150, 130), qRgb(90, 100, 140), qRgb(150, 120, 160)};

class BitmapQuantizer : public ::testing::TestWithParam<int> {};

// Flat fills keep their exact colour, first in the table, ascending.
TEST_P(BitmapQuantizer, PinsFlatFillsExactlyAndFirst) {
    const int colours = GetParam();
    const QImage face = ControlFace(kFills);
    const auto reduced = ReduceForBitmap(face, colours);
    ASSERT_LE(reduced.Palette().size(), static_cast<std::size_t>(colours));
    ASSERT_GT(reduced.Palette().size(), kFills.size());
    for (std::size_t i = 0; i < kFills.size(); ++i) {
        EXPECT_EQ(reduced.Palette()[i], kFills[i]) << "entry " << i;
    }
    const QImage shown = reduced.ToImage();
    for (int y = 0; y < kFaceH; ++y) {
        for (int x = 0; x < kStripe * static_cast<int>(kFills.size()); ++x) {
            ASSERT_EQ(shown.pixel(x, y), face.pixel(x, y)) << x << "," << y;
        }
    }
}

// No dithering: every pixel of one colour gets the same entry, so flat
// areas stay flat instead of speckled.
TEST_P(BitmapQuantizer, MapsEachColourToOneEntry) {
    const QImage face = ControlFace(kFills);
    const auto reduced = ReduceForBitmap(face, GetParam());
    std::map<QRgb, std::set<std::uint8_t>> entries;
    for (int y = 0; y < kFaceH; ++y) {
        for (int x = 0; x < kFaceW; ++x) {
            entries[face.pixel(x, y)].insert(
                reduced.Pixels()[static_cast<std::size_t>(y * kFaceW + x)]);
        }
    }
    EXPECT_GT(entries.size(), 2000u);  // the ramp really needs reducing
    for (const auto& [colour, used] : entries) {
        ASSERT_EQ(used.size(), 1u) << std::hex << colour;
    }
}

// A picture with no more colours than the table keeps them all, ascending.
TEST_P(BitmapQuantizer, KeepsAPictureOfFewColoursExactly) {
    const int colours = GetParam();
    QImage image(kFaceW, kFaceH, QImage::Format_RGB32);
    std::vector<QRgb> used;
    used.reserve(static_cast<std::size_t>(colours));
    for (int i = 0; i < colours; ++i) {
        // 37, 91 and 53 are odd, so the reds alone are already distinct.
        used.push_back(qRgb(i * 37 % 256, i * 91 % 256, i * 53 % 256));
    }
    for (int y = 0; y < kFaceH; ++y) {
        for (int x = 0; x < kFaceW; ++x) {
            image.setPixel(x, y, used[static_cast<std::size_t>((x * 7 + y * 3) % colours)]);
        }
    }
    const auto reduced = ReduceForBitmap(image, colours);
    std::sort(used.begin(), used.end());
    EXPECT_EQ(reduced.Palette(), used);
    EXPECT_EQ(reduced.ToImage(), image);
}

INSTANTIATE_TEST_SUITE_P(FourAndEightBits, BitmapQuantizer, ::testing::Values(16, 256),
                         [](const ::testing::TestParamInfo<int>& param) {
                             return std::to_string(param.param) + "Colours";
                         });

// At most a quarter of the table is pinned: with six fills and 16 entries,
// the four lowest fills are pinned and the rest is left to the median cut,
// as is the patch, too small to be pinned.
TEST(BitmapQuantizer16, PinsAtMostAQuarterOfTheTable) {
    std::vector<QRgb> fills = kFills;
    fills.insert(fills.end(), {qRgb(100, 170, 125), qRgb(170, 90, 150), qRgb(130, 80, 165)});
    std::vector<QRgb> sorted = fills;
    std::sort(sorted.begin(), sorted.end());
    const auto reduced = ReduceForBitmap(ControlFace(fills), 16);
    ASSERT_EQ(reduced.Palette().size(), 16u);
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(reduced.Palette()[i], sorted[i]) << "entry " << i;
    }
    EXPECT_NE(reduced.Palette()[4], sorted[4]);
    EXPECT_EQ(std::count(reduced.Palette().begin(), reduced.Palette().end(), kPatchColour), 0);
}

// ---- The reduction of the scenes: many colours, dithered.

IndexedImage ReduceForScenes(const QImage& image) {
    return PaletteQuantizer(QuantizeOptions::ForScenes()).Reduce(image);
}

QImage RandomPaletteImage(int colours) {
    QImage image(512, 320, QImage::Format_RGB32);
    std::uint32_t state = 12345;
    auto next = [&state]() {
        state = state * 1664525u + 1013904223u;
        return state >> 8;
    };
    std::vector<QRgb> palette;
    palette.reserve(static_cast<std::size_t>(colours));
    for (int i = 0; i < colours; ++i) {
        palette.push_back(qRgb(static_cast<int>(next() & 255u), static_cast<int>(next() & 255u),
                               static_cast<int>(next() & 255u)));
    }
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            image.setPixel(x, y, palette[next() % palette.size()]);
        }
    }
    return image;
}

// Soft two-dimensional colour ramps, like a sky: tens of thousands of
// colours and no edges, where a poor palette or missing error diffusion shows
// as bands. The extremes of each channel lie on the picture's border.
QImage SmoothImage() {
    QImage image(512, 320, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const double u = x / 511.0;
            const double v = y / 319.0;
            const int r = static_cast<int>(std::lround(30.0 + 200.0 * u * (0.6 + 0.4 * v)));
            const int g = static_cast<int>(std::lround(50.0 + 150.0 * v * (1.0 - 0.4 * u)));
            const int b = static_cast<int>(std::lround(220.0 - 150.0 * v * v + 20.0 * u));
            image.setPixel(x, y, qRgb(r, g, b));
        }
    }
    return image;
}

TEST(SceneQuantizer, KeepsAPictureOfFewColoursExactly) {
    for (int colours : {1, 2, 17, 200, 256}) {
        const QImage image = RandomPaletteImage(colours);
        const IndexedImage reduced = ReduceForScenes(image);
        EXPECT_LE(reduced.Palette().size(), static_cast<std::size_t>(colours));
        EXPECT_EQ(reduced.ToImage(), image) << colours << " colours";
    }
}

TEST(SceneQuantizer, ReproducesSmoothRampsWithoutBanding) {
    const QImage image = SmoothImage();
    const IndexedImage reduced = ReduceForScenes(image);
    EXPECT_EQ(reduced.Palette().size(), 256u);
    const QImage shown = reduced.ToImage();
    EXPECT_GT(ImageMetrics::Psnr(image, shown), 34.0);
    // Error diffusion keeps the local average: over any 8 x 8 block the mean
    // of each channel stays within a level or so of the original's. Blocks
    // near the border are left out: colours at the very edge of the gamut lie
    // outside the palette's hull and no diffusion can reach them.
    double worst = 0.0;
    for (int by = 32; by + 8 <= image.height() - 32; by += 8) {
        for (int bx = 32; bx + 8 <= image.width() - 32; bx += 8) {
            std::array<double, 3> diff{};
            for (int y = by; y < by + 8; ++y) {
                for (int x = bx; x < bx + 8; ++x) {
                    const QRgb a = image.pixel(x, y);
                    const QRgb b = shown.pixel(x, y);
                    diff[0] += qRed(a) - qRed(b);
                    diff[1] += qGreen(a) - qGreen(b);
                    diff[2] += qBlue(a) - qBlue(b);
                }
            }
            for (double d : diff) {
                worst = std::max(worst, std::fabs(d) / 64.0);
            }
        }
    }
    EXPECT_LT(worst, 1.5);
}

// A ramp of a few hundred colours packed close together, like a glow or a
// sky: every palette entry should be put to work, not only as many as the
// ramp crosses cells of a coarse histogram.
TEST(SceneQuantizer, SpendsTheWholePaletteOnANarrowRamp) {
    QImage image(512, 320, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const int step = (x * 3 + y) % 400;  // 400 distinct colours
            image.setPixel(x, y, qRgb(40 + step / 2, 30 + (step + 1) / 2, 20 + step / 5));
        }
    }
    const IndexedImage reduced = ReduceForScenes(image);
    EXPECT_EQ(reduced.Palette().size(), 256u);
    EXPECT_GT(ImageMetrics::Psnr(image, reduced.ToImage()), 50.0);
}

TEST(PaletteQuantizer, GivesAtMostTheAskedNumberOfDistinctColours) {
    const QImage image = SmoothImage();
    for (int wanted : {1, 8, 64, 256}) {
        const std::vector<QRgb> palette = PaletteQuantizer(wanted).BuildPalette(image);
        EXPECT_LE(palette.size(), static_cast<std::size_t>(wanted));
        EXPECT_GE(palette.size(), static_cast<std::size_t>(wanted) * 9 / 10);
        std::set<QRgb> distinct(palette.begin(), palette.end());
        EXPECT_EQ(distinct.size(), palette.size()) << wanted << " colours";
    }
}

// With only black and white, a flat grey must come out as a mix whose share
// of white is the grey's level: the error is carried on, not dropped.
TEST(ErrorDiffusionDitherer, KeepsTheAverageOfAFlatArea) {
    const std::vector<QRgb> palette = {qRgb(0, 0, 0), qRgb(255, 255, 255)};
    for (int level : {8, 64, 128, 200, 250}) {
        QImage image(512, 320, QImage::Format_RGB32);
        image.fill(qRgb(level, level, level));
        const IndexedImage out = ErrorDiffusionDitherer().Apply(image, palette);
        double white = 0.0;
        for (std::uint8_t p : out.Pixels()) {
            white += p;
        }
        EXPECT_NEAR(255.0 * white / static_cast<double>(out.Pixels().size()), level, 0.5)
            << "grey " << level;
    }
}

}  // namespace
