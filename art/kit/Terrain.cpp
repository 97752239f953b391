#include "kit/Terrain.h"

#include <algorithm>
#include <cmath>

#include "kit/Gradient.h"
#include "kit/PaintKit.h"
#include "kit/PixelBlend.h"

namespace orb::art {

QPainterPath RidgePath(double baseY, double amp, double freq, std::uint32_t seed, int octaves,
                       double ridged, double bottom) {
    QPainterPath path;
    path.moveTo(-2.0, bottom);
    for (int x = -2; x <= 514; x += 2) {
        const double f = Fbm(x * freq, 0.5, octaves, seed);
        const double r = ridged > 0.0 ? RidgedFbm(x * freq, 3.5, octaves, seed + 17) : 0.0;
        const double h = (1.0 - ridged) * f + ridged * r;
        path.lineTo(x, baseY - amp * (h - 0.5) * 2.0);
    }
    path.lineTo(514.0, bottom);
    path.closeSubpath();
    return path;
}

void FillVertical(QPainter& p, const QPainterPath& path, QColor top, QColor bottom, double yTop,
                  double yBottom) {
    p.setPen(Qt::NoPen);
    p.setBrush(Gradient(QPointF(0.0, yTop), QPointF(0.0, yBottom), top, bottom));
    p.drawPath(path);
}

std::vector<double> PaintLand(QImage& img, const LandStyle& s) {
    std::vector<double> edge(static_cast<std::size_t>(img.width()));
    for (int x = 0; x < img.width(); ++x) {
        const double n = s.ridged ? RidgedFbm(x * s.freq, 0.5, s.octaves, s.seed)
                                  : Fbm(x * s.freq, 0.5, s.octaves, s.seed);
        edge[static_cast<std::size_t>(x)] = s.base - s.amp * n;
    }
    const double lowest = s.base + 1.0;
    for (int x = 0; x < img.width(); ++x) {
        const double e = edge[static_cast<std::size_t>(x)];
        const int yStart = std::max(0, static_cast<int>(std::floor(e)));
        for (int y = yStart; y < img.height(); ++y) {
            const double cover = Clamp01(y + 1.0 - e);
            const double t = Clamp01((y - e) / std::max(1.0, img.height() - lowest + s.amp));
            QColor c = Mix(s.top, s.bottom, t);
            if (s.mottle > 0.0) {
                const double m = Fbm(x / s.mottleScale, y / (s.mottleScale * 0.4), 3, s.seed + 77);
                c = Mix(c, s.mottleColor, Clamp01((m - 0.45) * 2.5) * s.mottle);
            }
            QRgb* row = RgbRow(img, y);
            row[x] = cover >= 1.0 ? c.rgb() : BlendRgb(row[x], c, cover);
        }
    }
    return edge;
}

QPainterPath EdgePath(const std::vector<double>& edge, int x0, int x1, double bottom) {
    QPainterPath path;
    x0 = std::max(0, x0);
    x1 = std::min(static_cast<int>(edge.size()) - 1, x1);
    path.moveTo(x0, bottom);
    for (int x = x0; x <= x1; ++x) {
        path.lineTo(x, edge[static_cast<std::size_t>(x)]);
    }
    path.lineTo(x1 + 1, bottom);
    path.closeSubpath();
    return path;
}

}  // namespace orb::art
