#include "platform/qt/LoadBitmap.h"

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QString>
#include <algorithm>
#include <cstdint>
#include <vector>

namespace platform {

namespace {

QString ResourcePath(int id) {
    return QStringLiteral(":/bitmaps/%1.bmp").arg(id);
}

// biBitCount of a BMP file: the depth the picture was stored in.
int StoredBitsPerPixel(const QByteArray& file) {
    constexpr int kBitCountOffset = 28;
    if (file.size() < kBitCountOffset + 2 || !file.startsWith("BM")) {
        return 0;
    }
    const auto lo = static_cast<unsigned char>(file[kBitCountOffset]);
    const auto hi = static_cast<unsigned char>(file[kBitCountOffset + 1]);
    return lo | (hi << 8);
}

}  // namespace

Bitmap LoadBitmap(int id) {
    QFile file(ResourcePath(id));
    if (!file.open(QIODevice::ReadOnly)) {
        return Bitmap();
    }
    const QByteArray bytes = file.readAll();
    return DecodeBmp(reinterpret_cast<const unsigned char*>(bytes.constData()),
                     static_cast<std::size_t>(bytes.size()), id);
}

Bitmap DecodeBmp(const unsigned char* bytes, std::size_t size, int id) {
    const QByteArray file =
        QByteArray::fromRawData(reinterpret_cast<const char*>(bytes), static_cast<qsizetype>(size));
    QImage image;
    if (!image.loadFromData(file, "BMP")) {
        return Bitmap();
    }
    // The screen's format: what loading a device-dependent bitmap gives.
    image = image.convertToFormat(QImage::Format_RGB32);
    const int width = image.width();
    const int height = image.height();
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) *
                                      static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
        std::copy(row, row + width, pixels.begin() + static_cast<std::ptrdiff_t>(y) * width);
    }
    return Bitmap(width, height, std::move(pixels), StoredBitsPerPixel(file), id);
}

}  // namespace platform
