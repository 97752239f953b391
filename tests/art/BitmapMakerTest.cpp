// Making the table's bitmap files stops, naming the bitmap, when the table
// and the painters disagree.
#include <gtest/gtest.h>

#include <QImage>
#include <QString>
#include <string>
#include <vector>

#include "bitmaps/BitmapMaker.h"

namespace {

using namespace orb::art;

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
