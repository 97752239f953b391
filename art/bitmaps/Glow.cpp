#include "bitmaps/Glow.h"

#include <QPainter>
#include <algorithm>
#include <vector>

namespace orb::art {
namespace {

// One horizontal box pass over premultiplied ARGB, written transposed so the
// next call blurs the other direction.
QImage BoxPassTransposed(const QImage& in, int radius) {
    const int w = in.width();
    const int h = in.height();
    QImage out(h, w, QImage::Format_ARGB32_Premultiplied);
    const int span = 2 * radius + 1;
    for (int y = 0; y < h; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(in.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            int sum[4] = {0, 0, 0, 0};
            for (int k = -radius; k <= radius; ++k) {
                const int xx = x + k;
                if (xx < 0 || xx >= w) {
                    continue;
                }
                const QRgb p = line[xx];
                sum[0] += qAlpha(p);
                sum[1] += qRed(p);
                sum[2] += qGreen(p);
                sum[3] += qBlue(p);
            }
            auto* dst = reinterpret_cast<QRgb*>(out.scanLine(x));
            dst[y] = qRgba(sum[1] / span, sum[2] / span, sum[3] / span, sum[0] / span);
        }
    }
    return out;
}

}  // namespace

QImage Glow::NewLayer(int width, int height) {
    QImage layer(width, height, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    return layer;
}

void Glow::AddBlurred(QImage& target, const QImage& layer, int radius, double strength) {
    QImage blurred = layer.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int pass = 0; pass < 3; ++pass) {
        blurred = BoxPassTransposed(blurred, radius);  // horizontal, now transposed
        blurred = BoxPassTransposed(blurred, radius);  // vertical, back upright
    }
    QPainter p(&target);
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    p.setOpacity(std::clamp(strength, 0.0, 1.0));
    p.drawImage(0, 0, blurred);
}

}  // namespace orb::art
