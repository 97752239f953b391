#include "bitmaps/BitmapMaker.h"

#include <map>
#include <set>

#include "bitmaps/BmpWriter.h"
#include "quant/PaletteQuantizer.h"

namespace orb::art {

namespace {

QByteArray Encode(const QImage& picture, int bitsPerPixel) {
    if (bitsPerPixel == 24) {
        return BmpWriter::Encode24(picture);
    }
    const PaletteQuantizer quantizer(QuantizeOptions::ForBitmaps(1 << bitsPerPixel));
    return BmpWriter::EncodeIndexed(quantizer.Reduce(picture), bitsPerPixel);
}

}  // namespace

std::vector<BitmapFile> BitmapMaker::Make(const std::vector<BitmapRow>& rows,
                                          const std::vector<BitmapPainter>& painters,
                                          QString* error) {
    std::set<std::string> listed;
    for (const BitmapRow& row : rows) {
        listed.insert(row.name);
    }
    std::map<std::string, const BitmapPainter*> byName;
    for (const BitmapPainter& painter : painters) {
        const QString name = QString::fromStdString(painter.name);
        if (!byName.emplace(painter.name, &painter).second) {
            *error = QStringLiteral("two painters paint %1").arg(name);
            return {};
        }
        if (listed.count(painter.name) == 0) {
            *error = QStringLiteral("the bitmap table has no row for %1").arg(name);
            return {};
        }
    }
    std::vector<BitmapFile> files;
    for (const BitmapRow& row : rows) {
        const auto found = byName.find(row.name);
        if (found == byName.end()) {
            *error = QStringLiteral("no painter paints %1 (bitmap %2)").arg(row.name).arg(row.id);
            return {};
        }
        const QImage picture = found->second->paint();
        if (picture.size() != QSize(row.width, row.height)) {
            *error = QStringLiteral("%1 (bitmap %2) is painted %3x%4; the table says %5x%6")
                         .arg(row.name)
                         .arg(row.id)
                         .arg(picture.width())
                         .arg(picture.height())
                         .arg(row.width)
                         .arg(row.height);
            return {};
        }
        files.push_back({row.id, Encode(picture, row.bitsPerPixel)});
    }
    return files;
}

}  // namespace orb::art
