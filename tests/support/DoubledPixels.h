// Checks a picture drawn at twice the density: each logical pixel must
// become exactly a 2 x 2 block of its own colour, with no colours blended
// from its neighbours.
#pragma once

#include <QImage>
#include <QRgb>
#include <QSize>
#include <QWidget>
#include <sstream>
#include <string>

namespace orbtest {

// `widget` drawn as on a screen of twice the density: an image of twice its
// size in device pixels.
inline QImage RenderDoubled(QWidget& widget) {
    QImage shown(widget.size() * 2, QImage::Format_RGB32);
    shown.setDevicePixelRatio(2);
    shown.fill(Qt::magenta);
    widget.render(&shown);
    return shown;
}

struct DoubledCheck {
    int mismatches = 0;      // device pixels of another colour than their logical pixel
    std::string first;       // where the first of them is
    int narrowFeatures = 0;  // logical pixels unlike both their left and right neighbours
};

// `pixelAt(x, y)` is the logical picture's colour, compared as opaque RGB.
template <class PixelAt>
DoubledCheck CheckDoubled(const QImage& shown, QSize logical, PixelAt pixelAt) {
    DoubledCheck check;
    for (int y = 0; y < logical.height(); ++y) {
        for (int x = 0; x < logical.width(); ++x) {
            const QRgb want = pixelAt(x, y) | 0xFF000000u;
            if (x > 0 && x + 1 < logical.width() && (pixelAt(x - 1, y) | 0xFF000000u) != want &&
                (pixelAt(x + 1, y) | 0xFF000000u) != want) {
                ++check.narrowFeatures;
            }
            for (int dy = 0; dy < 2; ++dy) {
                for (int dx = 0; dx < 2; ++dx) {
                    const QRgb got = shown.pixel(2 * x + dx, 2 * y + dy) | 0xFF000000u;
                    if (got != want && check.mismatches++ == 0) {
                        std::ostringstream where;
                        where << "logical (" << x << "," << y << ") is " << std::hex << want
                              << ", device (" << std::dec << 2 * x + dx << "," << 2 * y + dy
                              << ") is " << std::hex << got;
                        check.first = where.str();
                    }
                }
            }
        }
    }
    return check;
}

}  // namespace orbtest
