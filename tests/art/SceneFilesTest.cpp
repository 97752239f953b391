// The scene files as the viewer reads them, and the colour reduction that
// makes them.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <set>
#include <vector>

#include "art/GeneratorRun.h"
#include "io/Files.h"
#include "io/LittleEndian.h"
#include "quant/ErrorDiffusionDitherer.h"
#include "quant/ImageMetrics.h"
#include "quant/IndexedImage.h"
#include "quant/PaletteQuantizer.h"
#include "scenes/SceneFileReader.h"
#include "scenes/SceneFileWriter.h"

namespace {

using namespace orb::art;

constexpr qsizetype kMapBytes = 163840;
constexpr qsizetype kPalBytes = 1024;
constexpr qsizetype kWarpHeader = 24;

// The scenes the viewer can ask for: 00..42 without 31 and 32, and 99.
std::vector<int> SceneNumbers() {
    std::vector<int> numbers;
    for (int n = 0; n <= 42; ++n) {
        if (n != 31 && n != 32) {
            numbers.push_back(n);
        }
    }
    numbers.push_back(99);
    return numbers;
}

QString SceneDir() {
    return QStringLiteral(ORB_ART_DIR "/scenes");
}

QString FileName(int scene, const char* ext) {
    return QStringLiteral("%1.%2").arg(scene, 2, 10, QLatin1Char('0')).arg(QLatin1String(ext));
}

IndexedImage ReduceForScenes(const QImage& image) {
    return PaletteQuantizer(QuantizeOptions::ForScenes()).Reduce(image);
}

class SceneFile : public ::testing::TestWithParam<int> {};

TEST_P(SceneFile, HasTheExactSizes) {
    const int scene = GetParam();
    const QDir dir(SceneDir());
    EXPECT_EQ(ReadFileBytes(dir.filePath(FileName(scene, "map"))).size(), kMapBytes);
    EXPECT_EQ(ReadFileBytes(dir.filePath(FileName(scene, "pal"))).size(),
              kPalBytes + (scene == 99 ? kWarpHeader : 0));
}

// Every index the picture uses must name a colour the palette defines. The
// writer packs the used colours into entries 0..n-1, all distinct, and zeroes
// the rest; an index into an unwritten entry would show up as a hole in the
// used range, a duplicate black, or a non-zero tail.
TEST_P(SceneFile, UsesOnlyDefinedPaletteEntries) {
    const int scene = GetParam();
    const QDir dir(SceneDir());
    const QByteArray map = ReadFileBytes(dir.filePath(FileName(scene, "map")));
    const QByteArray pal = ReadFileBytes(dir.filePath(FileName(scene, "pal")));
    ASSERT_EQ(map.size(), kMapBytes);
    const qsizetype header = scene == 99 ? kWarpHeader : 0;
    ASSERT_EQ(pal.size(), header + kPalBytes);

    std::array<bool, 256> used{};
    for (char c : map) {
        used[static_cast<std::uint8_t>(c)] = true;
    }
    int count = 0;
    while (count < 256 && used[static_cast<std::size_t>(count)]) {
        ++count;
    }
    for (int i = count; i < 256; ++i) {
        EXPECT_FALSE(used[static_cast<std::size_t>(i)]) << "index " << i << " used after a gap";
    }
    // A real picture, not a flat fill.
    EXPECT_GE(count, 16);

    const auto* entries = reinterpret_cast<const std::uint8_t*>(pal.constData() + header);
    std::set<std::uint32_t> colours;
    for (int i = 0; i < 256; ++i) {
        const std::uint8_t* e = entries + static_cast<std::ptrdiff_t>(i) * 4;
        EXPECT_EQ(e[3], 0) << "entry " << i;
        const std::uint32_t rgb = (std::uint32_t{e[0]} << 16) | (std::uint32_t{e[1]} << 8) | e[2];
        if (i < count) {
            EXPECT_TRUE(colours.insert(rgb).second) << "entry " << i << " repeats a colour";
        } else {
            EXPECT_EQ(rgb, 0u) << "unused entry " << i << " is not zero";
        }
    }
    if (scene == 99) {
        EXPECT_EQ(pal.left(8), QByteArray("ORBWARP1"));
        EXPECT_EQ(ReadU32(pal, 8), static_cast<std::uint32_t>(count));
        EXPECT_EQ(ReadU32(pal, 12), static_cast<std::uint32_t>(kWarpHeader));
    }
}

INSTANTIATE_TEST_SUITE_P(AllScenes, SceneFile, ::testing::ValuesIn(SceneNumbers()),
                         [](const ::testing::TestParamInfo<int>& param) {
                             return "Scene" + std::to_string(param.param);
                         });

// A second run of the generator must write the same bytes as the build did.
TEST(SceneGenerator, IsDeterministic) {
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    const GeneratorRun run = RunGenerator(QStringLiteral(ORB_GEN_SCENES), {temp.path()});
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    const QDir built(SceneDir());
    const QDir again(temp.path());
    for (int scene : SceneNumbers()) {
        for (const char* ext : {"map", "pal"}) {
            const QString name = FileName(scene, ext);
            const QByteArray first = ReadFileBytes(built.filePath(name));
            ASSERT_FALSE(first.isEmpty()) << name.toStdString();
            EXPECT_EQ(first, ReadFileBytes(again.filePath(name))) << name.toStdString();
        }
    }
}

// ---- The colour reduction on pictures with known answers.

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

TEST(SceneFileWriter, RoundTripsThroughTheReader) {
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    const IndexedImage reduced = ReduceForScenes(SmoothImage());
    for (int scene : {7, 99}) {
        QString error;
        ASSERT_TRUE(SceneFileWriter(temp.path()).Write(scene, reduced, &error))
            << error.toStdString();
        IndexedImage back;
        ASSERT_TRUE(SceneFileReader(temp.path()).Read(scene, &back));
        EXPECT_EQ(back.Pixels(), reduced.Pixels());
        EXPECT_EQ(back.ToImage(), reduced.ToImage());
        // Red, green, blue, then a zero byte, entry by entry.
        const QByteArray pal = SceneFileWriter::PaletteBytes(scene, reduced);
        const qsizetype header = scene == 99 ? kWarpHeader : 0;
        const QRgb third = reduced.Palette()[3];
        EXPECT_EQ(static_cast<std::uint8_t>(pal[header + 12]), qRed(third));
        EXPECT_EQ(static_cast<std::uint8_t>(pal[header + 13]), qGreen(third));
        EXPECT_EQ(static_cast<std::uint8_t>(pal[header + 14]), qBlue(third));
        EXPECT_EQ(pal[header + 15], '\0');
    }
}

TEST(SceneFileWriter, RefusesAPictureOfTheWrongSize) {
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    const IndexedImage small(16, 16, std::vector<std::uint8_t>(256, 0), {qRgb(1, 2, 3)});
    QString error;
    EXPECT_FALSE(SceneFileWriter(temp.path()).Write(5, small, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(QFile::exists(QDir(temp.path()).filePath(QStringLiteral("05.map"))));
}

// ---- Whole files, written all or nothing.

TEST(WriteFileAtomically, ReplacesALongerFileEntirely) {
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    const QDir dir(temp.path());
    const QString path = dir.filePath(QStringLiteral("out.bin"));
    QString error;
    ASSERT_TRUE(WriteFileAtomically(path, QByteArray(5000, 'x'), &error)) << error.toStdString();
    ASSERT_TRUE(WriteFileAtomically(path, QByteArray("short"), &error)) << error.toStdString();
    EXPECT_EQ(ReadFileBytes(path), QByteArray("short"));
    // No temporary file is left beside it.
    EXPECT_EQ(dir.entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("out.bin")});
}

TEST(WriteFileAtomically, FailsWithAnErrorAndLeavesNoFile) {
    struct Case {
        const char* what;
        const char* name;     // relative to a fresh folder
        const char* blocker;  // a folder made there first, or null
    };
    const Case cases[] = {
        {"missing folder", "no/such/folder/out.bin", nullptr},
        {"folder in the way", "taken", "taken"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir temp;
        ASSERT_TRUE(temp.isValid());
        const QDir dir(temp.path());
        if (c.blocker != nullptr) {
            ASSERT_TRUE(dir.mkpath(QLatin1String(c.blocker)));
        }
        const QString path = dir.filePath(QLatin1String(c.name));
        QString error;
        EXPECT_FALSE(WriteFileAtomically(path, QByteArray("bytes"), &error));
        EXPECT_TRUE(error.contains(path)) << error.toStdString();
        EXPECT_FALSE(QFileInfo(path).isFile());
        EXPECT_EQ(dir.entryList(QDir::Files | QDir::Hidden), QStringList());
    }
}

}  // namespace
