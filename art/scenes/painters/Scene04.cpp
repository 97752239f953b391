#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <vector>

#include "kit/FloatCanvas.h"
#include "kit/PaintKit.h"
#include "scenes/ScenePainters.h"

namespace orb::art {

namespace {

constexpr double kHorizon = 150.0;

struct Mound {
    double x, base, w, h;
    std::uint32_t seed;
};

// A stromatolite: a lumpy dome of layered mat and sediment standing in the
// shallow water, lit from the upper left, with a dark wet band at the
// waterline and its reflection below.
void DrawMound(QPainter& p, const Mound& m) {
    QPainterPath dome;
    const int n = 28;
    dome.moveTo(m.x - m.w / 2, m.base);
    for (int i = 0; i <= n; ++i) {
        const double t = static_cast<double>(i) / n;
        const double a = 3.14159265 * (1.0 - t);
        const double lump = 1.0 + 0.22 * (Fbm(t * 7.0, 0.5, 3, m.seed) - 0.5);
        const double x = m.x + std::cos(a) * m.w / 2 * (1.0 + 0.05 * std::sin(t * 9.0));
        const double y = m.base - std::pow(std::sin(a), 0.7) * m.h * lump;
        dome.lineTo(x, y);
    }
    dome.closeSubpath();

    // Reflection first, squashed and faded.
    p.save();
    p.translate(0, 1.6 * m.base);
    p.scale(1.0, -0.6);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 44, 30, 90));
    p.drawPath(dome);
    p.restore();

    // Rough, knobbly crust from a noise texture, then light and shade.
    static const QImage crust = [] {
        QImage t(192, 192, QImage::Format_RGB32);
        for (int y = 0; y < t.height(); ++y) {
            for (int x = 0; x < t.width(); ++x) {
                const double n = Fbm(x / 14.0, y / 14.0, 5, 420u);
                const double k = Fbm(x / 5.0, y / 5.0, 3, 421u);
                const QColor c = Mix(QColor(84, 62, 44), QColor(204, 164, 114),
                                     SmoothStep(0.25, 0.75, 0.6 * n + 0.4 * k));
                t.setPixel(x, y, c.rgb());
            }
        }
        return t;
    }();
    QBrush texture(crust);
    texture.setTransform(QTransform::fromTranslate(m.seed * 37 % 192, m.seed * 53 % 192)
                             .scale(std::max(0.35, m.w / 90.0), std::max(0.35, m.w / 90.0)));
    p.setPen(Qt::NoPen);
    p.setBrush(texture);
    p.drawPath(dome);

    p.save();
    p.setClipPath(dome);
    QRadialGradient light(QPointF(m.x - m.w * 0.25, m.base - m.h * 0.95), m.w * 0.9);
    light.setColorAt(0.0, QColor(255, 230, 190, 90));
    light.setColorAt(0.45, QColor(255, 210, 160, 0));
    light.setColorAt(0.8, QColor(40, 24, 14, 110));
    light.setColorAt(1.0, QColor(30, 18, 10, 170));
    p.setBrush(light);
    p.drawPath(dome);
    // A few growth layers showing on the worn sides.
    p.setBrush(Qt::NoBrush);
    const int layers = std::max(2, static_cast<int>(m.h / 7.0));
    for (int i = 1; i < layers; ++i) {
        const double f = static_cast<double>(i) / layers;
        p.setPen(QPen(QColor(70, 48, 30, 45), std::max(0.6, m.h / 30.0)));
        const double cy = m.base - m.h * f + m.h * 1.6;
        p.drawEllipse(QPointF(m.x + m.w * 0.05 * std::sin(f * 7.0), cy), m.w * 0.95, m.h * 1.6);
    }
    // The living mat on top: a green-brown skin.
    QRadialGradient mat(QPointF(m.x - m.w * 0.1, m.base - m.h), m.w * 0.55);
    mat.setColorAt(0.0, QColor(112, 118, 58, 60));
    mat.setColorAt(0.6, QColor(96, 100, 50, 20));
    mat.setColorAt(1.0, QColor(96, 100, 50, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(mat);
    p.drawPath(dome);
    // Wet, dark foot.
    QLinearGradient wet(0, m.base - m.h * 0.22, 0, m.base);
    wet.setColorAt(0.0, QColor(50, 36, 26, 0));
    wet.setColorAt(1.0, QColor(50, 36, 26, 200));
    p.setBrush(wet);
    p.drawRect(QRectF(m.x - m.w, m.base - m.h * 0.22, m.w * 2, m.h * 0.22));
    p.restore();
    // A ripple ring where it meets the water.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 220, 160, 110), std::max(0.7, m.w / 60.0)));
    p.drawEllipse(QPointF(m.x, m.base + 1.0), m.w * 0.56, std::max(1.5, m.w * 0.05));
}

}  // namespace

// Archean shallows: a warm, still lagoon under an orange sky hazy with
// methane and without oxygen, crowded with stromatolites, the mounds that
// microbes built layer on layer.
QImage PaintScene04() {
    FloatCanvas canvas;
    const double sunX = 130.0;
    const double sunY = 62.0;
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            FloatCanvas::Pixel& px = canvas.At(x, y);
            if (y < kHorizon) {
                const double h = (kHorizon - y) / kHorizon;
                QColor sky = Mix(QColor(250, 196, 120), QColor(196, 98, 46), std::pow(h, 0.8));
                const double haze = Fbm(x / 160.0, y / 30.0, 5, 401u);
                sky = Mix(sky, QColor(236, 160, 96), SmoothStep(0.5, 0.8, haze) * 0.5);
                px = {static_cast<float>(sky.redF()), static_cast<float>(sky.greenF()),
                      static_cast<float>(sky.blueF())};
            } else {
                const double dy = y - kHorizon + 0.5;
                const double z = 30.0 / dy;
                const double u = (x - 256.0) * z / 30.0;
                const double ripple = Fbm(u * 5.0, z * 30.0, 4, 402u);
                const double t = Clamp01(dy / (320.0 - kHorizon));
                // The sky's reflection fading into the shallow, olive water and
                // the pale sand just beneath it.
                QColor c = Mix(QColor(240, 176, 106), QColor(120, 100, 66), std::pow(t, 0.8));
                c = Mix(c, QColor(170, 140, 90),
                        SmoothStep(0.5, 0.75, Fbm(u * 1.5, z * 6.0, 4, 403u)) * 0.35 * t);
                const double shine = 0.9 + 0.25 * (ripple - 0.5);
                const double glint = std::exp(-std::pow((x - sunX) / (10.0 + 50.0 * t), 2.0)) *
                                     SmoothStep(0.6, 0.8, ripple) * 0.6;
                px = {static_cast<float>(c.redF() * shine + glint),
                      static_cast<float>(c.greenF() * shine + glint * 0.85),
                      static_cast<float>(c.blueF() * shine + glint * 0.55)};
            }
        }
    }
    canvas.AddGlow(sunX, sunY, 9.0, QColor(255, 240, 200), 0.9, 1.6);
    canvas.AddGlow(sunX, sunY, 60.0, QColor(255, 200, 120), 0.25, 1.0);
    QImage image = canvas.ToImage(1.0, 0.25);

    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        // A low, bare shore along the horizon.
        QPainterPath shore;
        shore.moveTo(300, kHorizon + 1);
        for (int x = 300; x <= 512; x += 4) {
            shore.lineTo(
                x, kHorizon - 3.0 - 9.0 * SmoothStep(300, 512, x) * Fbm(x / 30.0, 0.0, 3, 404u));
        }
        shore.lineTo(512, kHorizon + 1);
        shore.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(150, 96, 60));
        p.drawPath(shore);

        // Mounds from far to near, so nearer ones overlap farther ones.
        std::vector<Mound> mounds;
        Rng rng(405);
        for (int i = 0; i < 46; ++i) {
            const double depth = std::pow(rng.Uniform(), 1.4);  // 0 far .. 1 near
            const double base = kHorizon + 4.0 + depth * 165.0;
            const double scale = 0.12 + depth * 1.1;
            const double w = rng.Range(44.0, 92.0);
            mounds.push_back({rng.Range(-20.0, 532.0), base, w * scale,
                              w * rng.Range(0.35, 0.85) * scale,
                              static_cast<std::uint32_t>(406 + i)});
        }
        std::sort(mounds.begin(), mounds.end(),
                  [](const Mound& a, const Mound& b) { return a.base < b.base; });
        for (const Mound& m : mounds) {
            DrawMound(p, m);
        }
    }
    return image;
}

}  // namespace orb::art
