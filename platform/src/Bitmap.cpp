#include "platform/Bitmap.h"

#include <QFile>
#include <QImage>
#include <QString>

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

bool Bitmap::LoadFromResource(int id) {
    Reset();
    QFile file(ResourcePath(id));
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray bytes = file.readAll();
    return LoadFromBmp(reinterpret_cast<const unsigned char*>(bytes.constData()),
                       static_cast<std::size_t>(bytes.size()), id);
}

bool Bitmap::LoadFromBmp(const unsigned char* data, std::size_t size, int id) {
    Reset();
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QImage image;
    if (!image.loadFromData(bytes, "BMP")) {
        return false;
    }
    // The screen's format: what loading a device-dependent bitmap gives.
    image = image.convertToFormat(QImage::Format_RGB32);
    m_width = image.width();
    m_height = image.height();
    m_pixels.resize(static_cast<std::size_t>(m_width) * static_cast<std::size_t>(m_height));
    for (int y = 0; y < m_height; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
        std::copy(row, row + m_width, m_pixels.begin() + static_cast<std::ptrdiff_t>(y) * m_width);
    }
    m_sourceBits = StoredBitsPerPixel(bytes);
    m_id = id;
    return true;
}

void Bitmap::Reset() {
    m_pixels.clear();
    m_pixels.shrink_to_fit();
    m_width = 0;
    m_height = 0;
    m_sourceBits = 0;
    m_id = 0;
}

}  // namespace platform
