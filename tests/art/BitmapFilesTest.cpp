// The generated bitmaps and icons: every row of the bitmap table in its size
// and colour depth as a plain Windows BMP, the pictures carrying what the screens rely
// on (stop band and speed marks, meter rows, digit ids, zoom halves), a
// second run of the generator giving the same bytes, and the generator
// refusing a table its painters disagree with.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "art/GeneratorRun.h"
#include "bitmaps/BitmapMaker.h"
#include "bitmaps/BitmapTable.h"
#include "io/Files.h"
#include "io/LittleEndian.h"

namespace {

using namespace orb::art;

QString ArtPath(const QString& relative) {
    return QDir(QStringLiteral(ORB_ART_DIR)).filePath(relative);
}

QString BitmapPath(int id) {
    return ArtPath(QStringLiteral("bitmaps/%1.bmp").arg(id));
}

const int kIconSizes[] = {ORB_ICON_SIZES};

QImage LoadBitmap(int id) {
    return QImage(BitmapPath(id)).convertToFormat(QImage::Format_RGB32);
}

bool IsRed(QRgb c) {
    return qRed(c) >= 150 && qGreen(c) <= 100 && qBlue(c) <= 100;
}

bool IsWhiteish(QRgb c) {
    return qRed(c) >= 150 && qGreen(c) >= 150 && qBlue(c) >= 150;
}

int CountLit(const QImage& image, const QRect& area) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (qRed(image.pixel(x, y)) >= 180) {
                ++n;
            }
        }
    }
    return n;
}

TEST(BitmapFiles, EveryRowOfTheTableInItsSizeAndDepth) {
    for (const BitmapRow& spec : kBitmapTable) {
        SCOPED_TRACE(spec.id);
        const QByteArray b = ReadFileBytes(BitmapPath(spec.id));
        ASSERT_GE(b.size(), 54);
        EXPECT_EQ(b.left(2), QByteArray("BM"));
        EXPECT_EQ(ReadU32(b, 2), static_cast<std::uint32_t>(b.size()));
        EXPECT_EQ(ReadU32(b, 14), 40u);  // BITMAPINFOHEADER
        EXPECT_EQ(static_cast<std::int32_t>(ReadU32(b, 18)), spec.width);
        EXPECT_EQ(static_cast<std::int32_t>(ReadU32(b, 22)), spec.height);  // bottom-up
        EXPECT_EQ(ReadU16(b, 26), 1u);
        EXPECT_EQ(ReadU16(b, 28), static_cast<std::uint32_t>(spec.bitsPerPixel));
        EXPECT_EQ(ReadU32(b, 30), 0u);  // uncompressed
        const std::uint32_t tableEntries = spec.bitsPerPixel == 24 ? 0u : (1u << spec.bitsPerPixel);
        const std::uint32_t used = ReadU32(b, 46);
        EXPECT_TRUE(used == tableEntries || (used == 0 && spec.bitsPerPixel == 24)) << used;
        const std::uint32_t offset = 54 + 4 * tableEntries;
        EXPECT_EQ(ReadU32(b, 10), offset);
        const std::uint32_t stride =
            static_cast<std::uint32_t>((spec.width * spec.bitsPerPixel + 31) / 32 * 4);
        EXPECT_EQ(static_cast<std::uint32_t>(b.size()),
                  offset + stride * static_cast<std::uint32_t>(spec.height));
    }
}

TEST(BitmapFiles, IconsInEverySize) {
    for (int size : kIconSizes) {
        for (const char* kind : {"orb", "setup"}) {
            SCOPED_TRACE(QStringLiteral("%1-%2").arg(kind).arg(size).toStdString());
            const QImage icon(ArtPath(QStringLiteral("icons/%1-%2.png").arg(kind).arg(size)));
            ASSERT_FALSE(icon.isNull());
            EXPECT_EQ(icon.size(), QSize(size, size));
            EXPECT_TRUE(icon.hasAlphaChannel());
            EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);  // rounded corner
            EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 2)), 255);
        }
    }
    // The two programs' icons differ.
    EXPECT_NE(QImage(ArtPath("icons/orb-64.png")), QImage(ArtPath("icons/setup-64.png")));
}

// Rows of the strip image: the stop band is screen rows 210..310, the image
// stands at y = 60, and the lever gives 0.2 * e^(d * 10/41) seconds per tick
// at d pixels from the band.
TEST(SpeedScale, StopBandCoversExactlyTheStopRows) {
    const QImage scale = LoadBitmap(189);
    // Columns clear of the STOP lettering: red on every stop row, not beyond.
    for (int x : {0, 1, 2, 82, 83}) {
        for (int row = 150; row <= 250; ++row) {
            ASSERT_TRUE(IsRed(scale.pixel(x, row))) << "x " << x << " row " << row;
        }
        EXPECT_FALSE(IsRed(scale.pixel(x, 149)));
        EXPECT_FALSE(IsRed(scale.pixel(x, 251)));
    }
}

TEST(SpeedScale, MarksSitWhereTheLeverGivesTheirSpeed) {
    const double minute = 60;
    const double year = 365 * 86400.0;
    const std::vector<double> speeds = {minute,     3600,       86400,       year,
                                        10 * year,  100 * year, 1000 * year, 1e4 * year,
                                        1e5 * year, 1e6 * year};
    std::set<int> forward;
    std::set<int> backward;
    for (double s : speeds) {
        const double d = std::log(s / 0.2) * 41.0 / 10.0;
        forward.insert(150 - static_cast<int>(std::lround(d)));
        backward.insert(250 + static_cast<int>(std::lround(d)));
    }
    // Anchors named by the lever's own description.
    EXPECT_EQ(*forward.rbegin(), 150 - 23);  // 1 minute, about 23 px from the band
    EXPECT_EQ(*forward.begin(), 150 - 134);  // 1,000,000 years, about 134 px

    // The tick column lies right of the rainbow wedge and left of the labels.
    const QImage scale = LoadBitmap(189);
    const int column = 25;
    std::set<int> seenForward;
    std::set<int> seenBackward;
    for (int row = 0; row < 400; ++row) {
        if (!IsWhiteish(scale.pixel(column, row))) {
            continue;
        }
        if (row < 150) {
            seenForward.insert(row);
        } else if (row > 250) {
            seenBackward.insert(row);
        }
    }
    EXPECT_EQ(seenForward, forward);
    EXPECT_EQ(seenBackward, backward);

    // The rainbow runs the whole height of both halves.
    for (int row : {0, 75, 149, 251, 320, 399}) {
        const QRgb c = scale.pixel(5, row);
        EXPECT_GT(std::max({qRed(c), qGreen(c), qBlue(c)}), 100) << row;
        EXPECT_FALSE(IsRed(c)) << row;
    }
}

TEST(ProbabilityMeter, BarAndShadesLieInTheShownRows) {
    const QImage meter = LoadBitmap(132);
    const QRgb purple = qRgb(80, 0, 80);
    const std::array<QRgb, 7> shades = {qRgb(88, 88, 0),   qRgb(104, 104, 0), qRgb(128, 128, 0),
                                        qRgb(160, 160, 0), qRgb(192, 192, 0), qRgb(224, 224, 0),
                                        qRgb(255, 255, 0)};
    std::map<QRgb, int> counts;
    for (int y = 0; y < meter.height(); ++y) {
        for (int x = 0; x < meter.width(); ++x) {
            const QRgb c = meter.pixel(x, y) | 0xFF000000u;
            if (y >= 80) {
                ASSERT_EQ(c, purple) << x << "," << y;  // nothing below the shown part
            } else {
                ++counts[c];
            }
        }
    }
    for (QRgb shade : shades) {
        EXPECT_GE(counts[shade], 200) << std::hex << shade;
    }
    EXPECT_EQ(meter.pixel(0, 0) | 0xFF000000u, purple);
    EXPECT_EQ(meter.pixel(252, 79) | 0xFF000000u, purple);

    // Along the bar's fullest row the shades rise from dark to yellow.
    int bestRow = -1;
    int bestCount = 0;
    for (int y = 0; y < 80; ++y) {
        int n = 0;
        for (int x = 0; x < meter.width(); ++x) {
            const QRgb c = meter.pixel(x, y) | 0xFF000000u;
            n += std::find(shades.begin(), shades.end(), c) != shades.end() ? 1 : 0;
        }
        if (n > bestCount) {
            bestCount = n;
            bestRow = y;
        }
    }
    ASSERT_GE(bestRow, 0);
    std::vector<QRgb> order;
    for (int x = 0; x < meter.width(); ++x) {
        const QRgb c = meter.pixel(x, bestRow) | 0xFF000000u;
        if (std::find(shades.begin(), shades.end(), c) != shades.end() &&
            (order.empty() || order.back() != c)) {
            order.push_back(c);
        }
    }
    EXPECT_EQ(order, std::vector<QRgb>(shades.begin(), shades.end()));
}

// Lit segments per digit; the middle bar is lit for all but 0, 1 and 7.
constexpr int kSegments[10] = {6, 2, 5, 5, 4, 5, 6, 3, 7, 6};

void CheckDigitSet(const std::array<int, 10>& ids, const QRect& middle) {
    std::array<int, 10> lit{};
    for (int digit = 0; digit < 10; ++digit) {
        const QImage image = LoadBitmap(ids[static_cast<std::size_t>(digit)]);
        lit[static_cast<std::size_t>(digit)] = CountLit(image, image.rect());
        const bool middleLit = CountLit(image, middle) > 0;
        EXPECT_EQ(middleLit, digit != 0 && digit != 1 && digit != 7)
            << "digit " << digit << " id " << ids[static_cast<std::size_t>(digit)];
    }
    for (int a = 0; a < 10; ++a) {
        for (int b = 0; b < 10; ++b) {
            if (kSegments[a] < kSegments[b]) {
                EXPECT_LT(lit[static_cast<std::size_t>(a)], lit[static_cast<std::size_t>(b)])
                    << a << " vs " << b;
            }
        }
    }
}

TEST(SegmentDigits, LargeDigitsAndBlankCell) {
    CheckDigitSet({165, 166, 167, 168, 169, 170, 171, 172, 173, 174}, QRect(16, 30, 8, 4));
    const QImage blank = LoadBitmap(187);
    EXPECT_EQ(CountLit(blank, blank.rect()), 0);
    // Unlit segments stay faintly visible.
    int faint = 0;
    for (int y = 0; y < blank.height(); ++y) {
        for (int x = 0; x < blank.width(); ++x) {
            faint += qRed(blank.pixel(x, y)) > 12 ? 1 : 0;
        }
    }
    EXPECT_GT(faint, 200);
}

TEST(SegmentDigits, ClockDigitIdsRunBackwardsAtTheEnds) {
    // Digit 0 is 119, 1..8 are 111..118, 9 is 110.
    CheckDigitSet({119, 111, 112, 113, 114, 115, 116, 117, 118, 110}, QRect(8, 15, 4, 2));
    const QImage colon = LoadBitmap(303);
    EXPECT_GT(CountLit(colon, QRect(0, 0, 10, 16)), 0);
    EXPECT_GT(CountLit(colon, QRect(0, 16, 10, 16)), 0);
}

TEST(SegmentDigits, MonthsAreTwelveDifferentLitNames) {
    std::set<QByteArray> seen;
    for (int id = 175; id <= 186; ++id) {
        const QImage month = LoadBitmap(id);
        // Every one of the three character cells has lit segments.
        for (int cell = 0; cell < 3; ++cell) {
            EXPECT_GT(CountLit(month, QRect(cell * 40, 0, 40, 64)), 150) << id << " " << cell;
        }
        seen.insert(ReadFileBytes(BitmapPath(id)));
    }
    EXPECT_EQ(seen.size(), 12u);
}

TEST(ZoomButton, DimmedHalfMatchesItsState) {
    // IN is the left half (x 0..79), OUT the right half (x 81..159).
    const QRect in(6, 28, 73, 25);
    const QRect out(82, 28, 72, 25);
    struct Face {
        int id;
        bool inLit;
        bool outLit;
    };
    for (const Face& f : {Face{106, true, true}, Face{108, true, false}, Face{109, false, true}}) {
        const QImage image = LoadBitmap(f.id);
        EXPECT_EQ(CountLit(image, in) > 20, f.inLit) << f.id;
        EXPECT_EQ(CountLit(image, out) > 20, f.outLit) << f.id;
        EXPECT_GT(CountLit(image, QRect(40, 4, 80, 22)), 20) << f.id;  // ZOOM always lit
    }
}

TEST(SetupBackground, BlueGradientUnderAWhiteTitle) {
    const QImage bg = LoadBitmap(133);
    auto rowLevel = [&bg](int y) {
        int sum = 0;
        for (int x = 0; x < 800; x += 10) {
            sum += qBlue(bg.pixel(x, y)) + qGreen(bg.pixel(x, y)) + qRed(bg.pixel(x, y));
        }
        return sum;
    };
    EXPECT_GT(rowLevel(250), rowLevel(400));
    EXPECT_GT(rowLevel(400), rowLevel(590));
    for (int y : {5, 250, 590}) {
        const QRgb c = bg.pixel(5, y);
        EXPECT_GT(qBlue(c), qRed(c));
        EXPECT_GT(qBlue(c), qGreen(c));
    }
    int white = 0;
    for (int y = 0; y < 220; ++y) {
        for (int x = 0; x < 800; ++x) {
            const QRgb c = bg.pixel(x, y);
            white += (qRed(c) > 235 && qGreen(c) > 235 && qBlue(c) > 235) ? 1 : 0;
        }
    }
    EXPECT_GT(white, 5000);
}

TEST(BitmapGenerator, SecondRunGivesTheSameBytes) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const GeneratorRun run = RunGenerator(QStringLiteral(ORB_GEN_BITMAPS), {dir.path()});
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    std::size_t compared = 0;
    for (const QString& sub : {QStringLiteral("bitmaps"), QStringLiteral("icons")}) {
        const QDir fresh(QDir(dir.path()).filePath(sub));
        for (const QString& name : fresh.entryList(QDir::Files)) {
            SCOPED_TRACE(name.toStdString());
            EXPECT_EQ(ReadFileBytes(fresh.filePath(name)),
                      ReadFileBytes(ArtPath(sub + "/" + name)));
            ++compared;
        }
    }
    EXPECT_EQ(compared, std::size(kBitmapTable) + 2 * std::size(kIconSizes));
}

// The generator stops, naming the bitmap, when the table and the painters
// disagree.
BitmapPainter Flat(const std::string& name, int width, int height) {
    return {name, [width, height] {
                QImage image(width, height, QImage::Format_RGB32);
                image.fill(qRgb(40, 90, 200));
                return image;
            }};
}

TEST(BitmapMaker, RefusesATableAndPaintersThatDisagree) {
    const std::vector<BitmapRow> rows = {{7, "WIDE", 30, 10, 24}, {3, "BADGE", 12, 12, 4}};
    const struct {
        std::vector<BitmapPainter> painters;
        const char* error;
    } cases[] = {
        {{Flat("BADGE", 12, 12), Flat("WIDE", 30, 10)}, ""},
        {{Flat("WIDE", 30, 11), Flat("BADGE", 12, 12)},
         "WIDE (bitmap 7) is painted 30x11; the table says 30x10"},
        {{Flat("WIDE", 30, 10)}, "no painter paints BADGE (bitmap 3)"},
        {{Flat("WIDE", 30, 10), Flat("BADGE", 12, 12), Flat("TALL", 1, 1)},
         "the bitmap table has no row for TALL"},
        {{Flat("WIDE", 30, 10), Flat("BADGE", 12, 12), Flat("BADGE", 12, 12)},
         "two painters paint BADGE"},
    };
    for (const auto& c : cases) {
        QString error;
        const std::vector<BitmapFile> files = BitmapMaker::Make(rows, c.painters, &error);
        EXPECT_EQ(error.toStdString(), c.error);
        EXPECT_EQ(files.size(), *c.error ? 0u : 2u) << c.error;
    }
}

}  // namespace
