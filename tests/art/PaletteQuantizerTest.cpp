// The colour reduction as the 4- and 8-bit bitmaps use it: exact flat fills,
// crisp edges, 16 or 256 entries.
#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

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

}  // namespace
