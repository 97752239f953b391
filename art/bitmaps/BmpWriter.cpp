#include "BmpWriter.h"

#include <QFile>
#include <stdexcept>

namespace orb::art {
namespace {

void PutU16(QByteArray& out, std::uint32_t value) {
    out.append(static_cast<char>(value & 0xFF));
    out.append(static_cast<char>((value >> 8) & 0xFF));
}

void PutU32(QByteArray& out, std::uint32_t value) {
    PutU16(out, value & 0xFFFF);
    PutU16(out, value >> 16);
}

int RowStride(int width, int bitsPerPixel) {
    return ((width * bitsPerPixel + 31) / 32) * 4;
}

// File header and info header; the caller appends the table and the rows.
QByteArray Headers(int width, int height, int bitsPerPixel, int tableEntries) {
    const auto imageBytes = static_cast<std::uint32_t>(RowStride(width, bitsPerPixel) * height);
    const auto offset = static_cast<std::uint32_t>(14 + 40 + tableEntries * 4);
    QByteArray out;
    out.append("BM", 2);
    PutU32(out, offset + imageBytes);
    PutU32(out, 0);  // two reserved words
    PutU32(out, offset);
    PutU32(out, 40);
    PutU32(out, static_cast<std::uint32_t>(width));
    PutU32(out, static_cast<std::uint32_t>(height));  // positive: bottom-up rows
    PutU16(out, 1);                                   // planes
    PutU16(out, static_cast<std::uint32_t>(bitsPerPixel));
    PutU32(out, 0);  // BI_RGB, uncompressed
    PutU32(out, imageBytes);
    PutU32(out, 2835);  // 72 dpi
    PutU32(out, 2835);
    PutU32(out, static_cast<std::uint32_t>(tableEntries));
    PutU32(out, 0);
    return out;
}

}  // namespace

QByteArray BmpWriter::Encode24(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const int w = rgb.width();
    const int h = rgb.height();
    QByteArray out = Headers(w, h, 24, 0);
    const int pad = RowStride(w, 24) - w * 3;
    for (int y = h - 1; y >= 0; --y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            out.append(static_cast<char>(qBlue(line[x])));
            out.append(static_cast<char>(qGreen(line[x])));
            out.append(static_cast<char>(qRed(line[x])));
        }
        out.append(pad, '\0');
    }
    return out;
}

QByteArray BmpWriter::EncodeIndexed(const IndexedImage& image, int bitsPerPixel) {
    if (bitsPerPixel != 8 && bitsPerPixel != 4) {
        throw std::invalid_argument("indexed BMP must be 8 or 4 bits per pixel");
    }
    const int entries = 1 << bitsPerPixel;
    if (static_cast<int>(image.palette.size()) > entries) {
        throw std::invalid_argument("palette larger than the colour table");
    }
    QByteArray out = Headers(image.width, image.height, bitsPerPixel, entries);
    for (int i = 0; i < entries; ++i) {
        const QRgb c = i < static_cast<int>(image.palette.size())
                           ? image.palette[static_cast<std::size_t>(i)]
                           : qRgb(0, 0, 0);
        out.append(static_cast<char>(qBlue(c)));
        out.append(static_cast<char>(qGreen(c)));
        out.append(static_cast<char>(qRed(c)));
        out.append('\0');
    }
    const int stride = RowStride(image.width, bitsPerPixel);
    for (int y = image.height - 1; y >= 0; --y) {
        QByteArray row(stride, '\0');
        for (int x = 0; x < image.width; ++x) {
            const std::uint8_t index =
                image.indices[static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width) +
                              static_cast<std::size_t>(x)];
            if (index >= entries) {
                throw std::invalid_argument("palette index outside the colour table");
            }
            if (bitsPerPixel == 8) {
                row[x] = static_cast<char>(index);
            } else {
                // High nibble holds the left pixel.
                const int shift = (x % 2 == 0) ? 4 : 0;
                row[x / 2] = static_cast<char>(row[x / 2] | (index << shift));
            }
        }
        out.append(row);
    }
    return out;
}

bool BmpWriter::WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return false;
    }
    return file.write(bytes) == bytes.size();
}

}  // namespace orb::art
