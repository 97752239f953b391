// The scene files as the viewer reads them, and their writing and reading.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <array>
#include <cstddef>
#include <cstdint>
#include <set>
#include <vector>

#include "art/GeneratorRun.h"
#include "io/Files.h"
#include "io/LittleEndian.h"
#include "quant/IndexedImage.h"
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

// A picture of the scenes' size whose every pixel and palette entry differ
// from their neighbours.
IndexedImage SceneLikePicture() {
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(kMapBytes));
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        pixels[i] = static_cast<std::uint8_t>(i * 7 % 251);
    }
    std::vector<QRgb> palette;
    palette.reserve(256);
    for (int n = 0; n < 256; ++n) {
        palette.push_back(qRgb(n, 255 - n, n * 3 % 256));
    }
    return IndexedImage(512, 320, std::move(pixels), std::move(palette));
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

TEST(SceneFileWriter, RoundTripsThroughTheReader) {
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    const IndexedImage reduced = SceneLikePicture();
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
