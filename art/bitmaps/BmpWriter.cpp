#include "bitmaps/BmpWriter.h"

#include <cstdint>
#include <stdexcept>

#include "io/LittleEndian.h"

namespace orb::art {
namespace {

int RowStride(int width, int bitsPerPixel) {
    return ((width * bitsPerPixel + 31) / 32) * 4;
}

// File header and info header; the caller appends the table and the rows.
QByteArray Headers(int width, int height, int bitsPerPixel, int tableEntries) {
    const auto imageBytes = static_cast<std::uint32_t>(RowStride(width, bitsPerPixel) * height);
    const auto offset = static_cast<std::uint32_t>(14 + 40 + tableEntries * 4);
    QByteArray out;
    out.append("BM", 2);
    AppendU32(out, offset + imageBytes);
    AppendU32(out, 0);  // two reserved words
    AppendU32(out, offset);
    AppendU32(out, 40);
    AppendU32(out, static_cast<std::uint32_t>(width));
    AppendU32(out, static_cast<std::uint32_t>(height));  // positive: bottom-up rows
    AppendU16(out, 1);                                   // planes
    AppendU16(out, static_cast<std::uint32_t>(bitsPerPixel));
    AppendU32(out, 0);  // BI_RGB, uncompressed
    AppendU32(out, imageBytes);
    AppendU32(out, 2835);  // 72 dpi
    AppendU32(out, 2835);
    AppendU32(out, static_cast<std::uint32_t>(tableEntries));
    AppendU32(out, 0);
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
    const std::vector<QRgb>& palette = image.Palette();
    if (static_cast<int>(palette.size()) > entries) {
        throw std::invalid_argument("palette larger than the colour table");
    }
    const int width = image.Width();
    QByteArray out = Headers(width, image.Height(), bitsPerPixel, entries);
    for (int i = 0; i < entries; ++i) {
        const QRgb c = i < static_cast<int>(palette.size()) ? palette[static_cast<std::size_t>(i)]
                                                            : qRgb(0, 0, 0);
        out.append(static_cast<char>(qBlue(c)));
        out.append(static_cast<char>(qGreen(c)));
        out.append(static_cast<char>(qRed(c)));
        out.append('\0');
    }
    const int stride = RowStride(width, bitsPerPixel);
    for (int y = image.Height() - 1; y >= 0; --y) {
        QByteArray row(stride, '\0');
        for (int x = 0; x < width; ++x) {
            const std::uint8_t index =
                image.Pixels()[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
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

}  // namespace orb::art
