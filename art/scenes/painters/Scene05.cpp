#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "kit/FloatCanvas.h"
#include "kit/PaintKit.h"
#include "scenes/ScenePainters.h"

namespace orb::art {

namespace {

constexpr double kHorizon = 168.0;

QColor SkyAt(int x, int y) {
    const double h = (kHorizon - y) / kHorizon;
    QColor sky = Mix(QColor(190, 214, 236), QColor(58, 112, 196), std::pow(Clamp01(h), 0.75));
    // Fair-weather cumulus: flat grey bases, bright sunlit tops.
    const double u = x / 120.0;
    const double v = y / 50.0;
    const double n = Fbm(u, v, 6, 501u);
    const double cloud = SmoothStep(0.52, 0.68, n - 0.25 * h + 0.12);
    const double top = Fbm(u * 2.0, v * 2.0 - 0.6, 4, 502u);
    const QColor lit = Mix(QColor(190, 196, 210), QColor(255, 255, 255), top);
    return Mix(sky, lit, cloud * 0.95);
}

}  // namespace

// The Proterozoic: a bare world of rock under a blue sky, oxygen at last in
// the air. Nothing grows on land; only the wet flats and pools by the sea
// are coloured by microbial mats.
QImage PaintScene05() {
    FloatCanvas canvas;
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            FloatCanvas::Pixel& px = canvas.At(x, y);
            QColor c;
            if (y < kHorizon) {
                c = SkyAt(x, y);
            } else {
                const double dy = y - kHorizon + 0.5;
                const double z = 40.0 / dy;
                const double u = (x - 256.0) * z / 40.0;
                const double w = z * 4.0;
                const double t = Clamp01(dy / (320.0 - kHorizon));
                const double rock = Fbm(u * 3.0, w * 3.0, 5, 503u);
                const double cracks = RidgedFbm(u * 5.0, w * 5.0, 4, 504u);
                const double pools = Fbm(u * 0.9 + 7.0, w * 0.9, 5, 505u);
                // Pools of sea water in the low parts of the flat, rimmed by
                // mats in bands of green, olive and orange.
                const double water = SmoothStep(0.56, 0.6, pools);
                const double rim = SmoothStep(0.46, 0.56, pools) * (1.0 - water);
                QColor ground = Mix(QColor(150, 86, 62), QColor(196, 138, 100), rock);
                ground = Mix(ground, QColor(90, 52, 40), SmoothStep(0.7, 0.95, cracks) * 0.7);
                const double band = Fbm(u * 6.0, w * 6.0, 3, 506u);
                const QColor mat = Mix(
                    Mix(QColor(196, 120, 46), QColor(120, 120, 50), SmoothStep(0.48, 0.53, pools)),
                    QColor(60, 100, 60), SmoothStep(0.53, 0.56, pools) * (0.6 + 0.4 * band));
                ground = Mix(ground, mat, rim);
                // Water shows the sky, darkened, over the mat beneath.
                const int mirrorY = std::clamp(static_cast<int>(2.0 * kHorizon - y), 0,
                                               static_cast<int>(kHorizon) - 1);
                const QColor reflect = Mix(SkyAt(x, mirrorY), QColor(50, 80, 60), 0.35 + 0.3 * t);
                c = Mix(ground, reflect, water);
                // The far flats fade into the haze.
                c = Mix(c, QColor(196, 196, 206), std::exp(-dy / 14.0) * 0.7);
            }
            px = {static_cast<float>(c.redF()), static_cast<float>(c.greenF()),
                  static_cast<float>(c.blueF())};
        }
    }
    canvas.AddGlow(430.0, 40.0, 14.0, QColor(255, 250, 230), 0.7, 1.3);
    QImage image = canvas.ToImage(1.0, 0.2);

    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        // The sea along the right of the horizon.
        QLinearGradient sea(0, kHorizon - 8, 0, kHorizon + 2);
        sea.setColorAt(0.0, QColor(70, 120, 170));
        sea.setColorAt(1.0, QColor(110, 150, 185));
        p.setPen(Qt::NoPen);
        p.setBrush(sea);
        p.drawRect(QRectF(250, kHorizon - 6, 262, 7));
        // Layered table hills of red sandstone on the left.
        struct Mesa {
            double x0, x1, top, base;
        };
        for (const Mesa& m : {Mesa{-10, 150, 112, kHorizon + 2}, Mesa{120, 236, 136, kHorizon + 1},
                              Mesa{200, 262, 150, kHorizon}}) {
            QPainterPath hill;
            hill.moveTo(m.x0, m.base);
            hill.lineTo(m.x0 + 14, m.top + 6);
            for (double x = m.x0 + 14; x <= m.x1 - 18; x += 4) {
                hill.lineTo(x, m.top + 3.0 * Fbm(x / 12.0, m.top, 2, 507u));
            }
            hill.lineTo(m.x1 - 10, m.top + 10);
            hill.cubicTo(m.x1 - 4, m.top + 24, m.x1, m.base - 10, m.x1 + 12, m.base);
            hill.closeSubpath();
            QLinearGradient g(m.x0, 0, m.x1, 0);
            g.setColorAt(0.0, QColor(196, 110, 72));
            g.setColorAt(0.7, QColor(170, 90, 62));
            g.setColorAt(1.0, QColor(112, 60, 48));
            p.setBrush(g);
            p.drawPath(hill);
            p.save();
            p.setClipPath(hill);
            for (double y = m.top + 5; y < m.base; y += 5.5) {
                p.setPen(QPen(QColor(120, 64, 46, 110), 1.2));
                p.drawLine(QPointF(m.x0, y), QPointF(m.x1 + 12, y + 1.5));
            }
            // Gullies worn down the cliff faces, and the sunlit rim along the top.
            Rng gully(static_cast<std::uint64_t>(m.x0 + 600));
            for (double x = m.x0 + 18; x < m.x1 - 8; x += gully.Range(5.0, 11.0)) {
                const double len = (m.base - m.top) * gully.Range(0.3, 0.9);
                p.setPen(QPen(QColor(96, 48, 38, 90), gully.Range(0.8, 2.0)));
                p.drawLine(QPointF(x, m.top + 4),
                           QPointF(x + gully.Range(-2.0, 2.0), m.top + 4 + len));
            }
            p.setPen(QPen(QColor(236, 170, 120, 200), 2.0));
            p.drawLine(QPointF(m.x0 + 14, m.top + 2), QPointF(m.x1 - 18, m.top + 2));
            // Haze over the distance.
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(190, 200, 215, m.top > 130 ? 90 : 50));
            p.drawPath(hill);
            p.restore();
        }
        // Scattered boulders on the near flats, with shadows.
        Rng rng(508);
        for (int i = 0; i < 14; ++i) {
            const double y = rng.Range(200.0, 310.0);
            const double s = (y - kHorizon) / 150.0;
            const double x = rng.Range(0.0, 512.0);
            const double w = rng.Range(10.0, 26.0) * s;
            const double h = w * rng.Range(0.45, 0.75);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(60, 36, 30, 120));
            p.drawEllipse(QPointF(x + w * 0.4, y + 1.0), w * 0.75, h * 0.25);
            QPainterPath b;
            b.moveTo(x - w / 2, y);
            b.cubicTo(x - w / 2, y - h, x + w * 0.1, y - h * 1.15, x + w / 2, y - h * 0.3);
            b.lineTo(x + w / 2, y);
            b.closeSubpath();
            QLinearGradient g(x - w / 2, y - h, x + w / 2, y);
            g.setColorAt(0.0, QColor(206, 150, 112));
            g.setColorAt(1.0, QColor(104, 60, 44));
            p.setBrush(g);
            p.drawPath(b);
        }
    }
    return image;
}

}  // namespace orb::art
