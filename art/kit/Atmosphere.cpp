#include "kit/Atmosphere.h"

#include <QRadialGradient>
#include <algorithm>
#include <cmath>

#include "kit/PixelBlend.h"

namespace orb::art {

void Haze(QImage& image, int top, int bottom, const QColor& colour, double a0, double a1,
          HazeRamp ramp) {
    const double span = std::max(1.0, double(bottom - top));
    for (int y = std::max(0, top); y < std::min(image.height(), bottom); ++y) {
        double a = 0.0;
        if (ramp == HazeRamp::Linear) {
            a = a0 + (a1 - a0) * (y - top) / span;
        } else {
            const double t = (y - top) / span;
            a = a0 + (a1 - a0) * (t * t * (3.0 - 2.0 * t));
        }
        QRgb* row = RgbRow(image, y);
        for (int x = 0; x < image.width(); ++x) {
            row[x] = BlendRgb(row[x], colour, a);
        }
    }
}

void Glow(QPainter& p, QPointF centre, double radius, const QColor& colour, double alpha) {
    QRadialGradient g(centre, radius);
    QColor c0 = colour;
    c0.setAlphaF(static_cast<float>(alpha));
    QColor c1 = colour;
    c1.setAlphaF(static_cast<float>(alpha * 0.35));
    QColor c2 = colour;
    c2.setAlpha(0);
    g.setColorAt(0.0, c0);
    g.setColorAt(0.3, c1);
    g.setColorAt(1.0, c2);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(centre, radius, radius);
}

void ScreenGlow(QImage& image, QPointF c, double radius, const QColor& colour, double strength) {
    const int x0 = std::max(0, static_cast<int>(c.x() - radius));
    const int x1 = std::min(image.width() - 1, static_cast<int>(c.x() + radius));
    const int y0 = std::max(0, static_cast<int>(c.y() - radius));
    const int y1 = std::min(image.height() - 1, static_cast<int>(c.y() + radius));
    for (int y = y0; y <= y1; ++y) {
        QRgb* row = RgbRow(image, y);
        for (int x = x0; x <= x1; ++x) {
            const double d = std::hypot(x - c.x(), y - c.y()) / radius;
            if (d >= 1.0) {
                continue;
            }
            const double f = (1.0 - d) * (1.0 - d) * strength;
            const auto screen = [f](int base, int add) {
                const double a = add * f / 255.0;
                return static_cast<int>(std::lround(255.0 - (255.0 - base) * (1.0 - a)));
            };
            const QRgb px = row[x];
            row[x] = qRgb(screen(qRed(px), colour.red()), screen(qGreen(px), colour.green()),
                          screen(qBlue(px), colour.blue()));
        }
    }
}

}  // namespace orb::art
