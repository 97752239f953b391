#include "AgesKit.h"

#include <QRadialGradient>
#include <algorithm>
#include <cmath>

#include "kit/PixelBlend.h"

namespace orb::art::ages {

namespace {

constexpr double kPi = 3.14159265358979323846;

}  // namespace

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

void PaintWater(QImage& img, int top, int bottom, const WaterStyle& s) {
    bottom = std::min(bottom, img.height());
    const QImage src = img.copy();
    const double depth = std::max(1, bottom - top);
    for (int y = top; y < bottom; ++y) {
        const double t = (y - top) / depth;
        // Ripples grow and stretch as the water comes nearer.
        const double scale = 0.6 + 3.0 * t;
        QRgb* row = RgbRow(img, y);
        const QColor tint = Mix(s.farTint, s.nearTint, t);
        for (int x = 0; x < img.width(); ++x) {
            const double w = ValueNoise(x / (14.0 * scale), y / (1.2 * scale), s.seed) - 0.5;
            const int dx = static_cast<int>(std::lround(w * s.ripple * scale));
            const int dy = static_cast<int>(std::lround(w * 1.5 * scale));
            const int sy = std::clamp(2 * top - y - 1 + dy, 0, top - 1);
            const int sx = std::clamp(x + dx, 0, img.width() - 1);
            const QRgb mirrored = src.pixel(sx, sy);
            QRgb c = BlendRgb(tint.rgb(), mirrored, s.reflect * (1.0 - 0.45 * t));
            if (s.glint > 0.0) {
                const double g = Fbm(x / (30.0 * scale), y / (0.9 * scale), 3, s.seed + 5);
                c = BlendRgb(c, s.glintColor, Clamp01((g - 0.62) * 4.0) * s.glint);
            }
            row[x] = c;
        }
    }
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

void DrawLeafyTree(QPainter& p, double x, double ground, double h, const QColor& leaf,
                   const QColor& trunk, Rng& rng) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(trunk);
    const double tw = std::max(1.0, h * 0.07);
    QPainterPath stem;
    stem.moveTo(x - tw, ground);
    stem.lineTo(x - tw * 0.5, ground - h * 0.5);
    stem.lineTo(x + tw * 0.5, ground - h * 0.5);
    stem.lineTo(x + tw, ground);
    p.drawPath(stem);
    const double cr = h * 0.36;
    const QPointF crown(x, ground - h + cr);
    const QColor dark = leaf.darker(150);
    const QColor light = leaf.lighter(125);
    for (int pass = 0; pass < 3; ++pass) {
        const QColor c = pass == 0 ? dark : (pass == 1 ? leaf : light);
        const int blobs = pass == 2 ? 4 : 6;
        for (int i = 0; i < blobs; ++i) {
            const double a = rng.Range(0.0, 2.0 * kPi);
            const double r = cr * rng.Range(0.45, 0.7) * (pass == 2 ? 0.7 : 1.0);
            const double d = cr * rng.Range(0.0, 0.5);
            const double ox = std::cos(a) * d - (pass == 2 ? cr * 0.25 : 0.0);
            const double oy = std::sin(a) * d * 0.7 - pass * cr * 0.12;
            p.setBrush(c);
            p.drawEllipse(QPointF(crown.x() + ox, crown.y() + oy), r, r * 0.85);
        }
    }
    p.restore();
}

void DrawCypress(QPainter& p, double x, double ground, double h, const QColor& color) {
    p.save();
    p.setPen(Qt::NoPen);
    const double w = h * 0.13;
    QPainterPath body;
    body.moveTo(x, ground - h);
    body.cubicTo(x + w * 1.2, ground - h * 0.6, x + w, ground - h * 0.1, x, ground);
    body.cubicTo(x - w, ground - h * 0.1, x - w * 1.2, ground - h * 0.6, x, ground - h);
    p.setBrush(
        Gradient(QPointF(x - w, 0), QPointF(x + w, 0), color.lighter(115), color.darker(160)));
    p.drawPath(body);
    p.restore();
}

void DrawPalm(QPainter& p, double x, double ground, double h, double lean, const QColor& frond,
              const QColor& trunk, Rng& rng) {
    p.save();
    const QPointF top(x + lean * h, ground - h);
    QPainterPath stem;
    stem.moveTo(x, ground);
    stem.quadTo(x + lean * h * 0.2, ground - h * 0.5, top.x(), top.y());
    QPen pen(trunk, std::max(1.5, h * 0.05), Qt::SolidLine, Qt::RoundCap);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPath(stem);
    p.setPen(Qt::NoPen);
    const int fronds = 8;
    for (int i = 0; i < fronds; ++i) {
        const double a = -kPi * 0.95 + i * (kPi * 1.9 / (fronds - 1)) + rng.Range(-0.15, 0.15);
        const double len = h * rng.Range(0.38, 0.5);
        const double droop = len * 0.45;
        const QPointF tip(top.x() + std::cos(a) * len, top.y() + std::sin(a) * len * 0.35 + droop);
        const QPointF mid(top.x() + std::cos(a) * len * 0.55,
                          top.y() + std::sin(a) * len * 0.3 - len * 0.12);
        const double wdt = len * 0.13;
        QPainterPath leaf;
        leaf.moveTo(top);
        leaf.quadTo(mid + QPointF(0, -wdt), tip);
        leaf.quadTo(mid + QPointF(0, wdt), top);
        p.setBrush(i % 2 == 0 ? frond : frond.darker(125));
        p.drawPath(leaf);
    }
    p.restore();
}

void DrawPerson(QPainter& p, double x, double ground, double h, const QColor& body) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    const double w = h * 0.28;
    p.drawRect(QRectF(x - w * 0.5, ground - h * 0.82, w, h * 0.5));
    p.drawRect(QRectF(x - w * 0.45, ground - h * 0.35, w * 0.35, h * 0.35));
    p.drawRect(QRectF(x + w * 0.1, ground - h * 0.35, w * 0.35, h * 0.35));
    p.setBrush(QColor(150, 105, 75));
    p.drawEllipse(QPointF(x, ground - h * 0.9), h * 0.1, h * 0.1);
    p.restore();
}

void DrawBird(QPainter& p, double x, double y, double span, const QColor& color) {
    p.save();
    p.setPen(QPen(color, std::max(1.0, span * 0.12), Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath w;
    w.moveTo(x - span * 0.5, y - span * 0.1);
    w.quadTo(x - span * 0.25, y - span * 0.3, x, y);
    w.quadTo(x + span * 0.25, y - span * 0.3, x + span * 0.5, y - span * 0.1);
    p.drawPath(w);
    p.restore();
}

void DrawSheep(QPainter& p, double x, double ground, double s, bool facingLeft) {
    p.save();
    p.setPen(Qt::NoPen);
    const double dir = facingLeft ? -1.0 : 1.0;
    p.setBrush(QColor(60, 50, 45));
    p.drawRect(QRectF(x - s * 0.35, ground - s * 0.35, s * 0.12, s * 0.35));
    p.drawRect(QRectF(x + s * 0.22, ground - s * 0.35, s * 0.12, s * 0.35));
    p.setBrush(QColor(232, 228, 212));
    p.drawEllipse(QPointF(x, ground - s * 0.55), s * 0.55, s * 0.32);
    p.setBrush(QColor(70, 60, 55));
    p.drawEllipse(QPointF(x + dir * s * 0.55, ground - s * 0.62), s * 0.17, s * 0.13);
    p.restore();
}

void DrawSmoke(QPainter& p, QPointF start, QPointF drift, int puffs, double r0, double r1,
               const QColor& color, Rng& rng) {
    p.save();
    p.setPen(Qt::NoPen);
    for (int i = puffs - 1; i >= 0; --i) {
        const double t = puffs > 1 ? static_cast<double>(i) / (puffs - 1) : 0.0;
        const double r = r0 + (r1 - r0) * t;
        const QPointF c =
            start + drift * t + QPointF(rng.Range(-0.35, 0.35) * r, rng.Range(-0.35, 0.35) * r);
        QRadialGradient g(c, r);
        QColor core = color;
        core.setAlphaF(static_cast<float>(color.alphaF() * (1.0 - 0.55 * t)));
        QColor edge = color;
        edge.setAlpha(0);
        g.setColorAt(0.0, core);
        g.setColorAt(0.6, core);
        g.setColorAt(1.0, edge);
        p.setBrush(g);
        p.drawEllipse(c, r, r);
    }
    p.restore();
}

void DrawWindows(QPainter& p, const QRectF& rect, int cols, int rows, double margin,
                 const QColor& dark, const QColor& bright, double lit, Rng& rng) {
    p.save();
    p.setPen(Qt::NoPen);
    const double cw = rect.width() / cols;
    const double ch = rect.height() / rows;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            p.setBrush(rng.Uniform() < lit ? bright : dark);
            p.drawRect(QRectF(rect.left() + c * cw + margin, rect.top() + r * ch + margin,
                              cw - 2.0 * margin, ch - 2.0 * margin));
        }
    }
    p.restore();
}

void DrawBlock(QPainter& p, const QRectF& front, double side, const QColor& lit,
               const QColor& shade) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(lit);
    p.drawRect(front);
    if (side > 0.0) {
        p.setBrush(shade);
        p.drawRect(QRectF(front.right(), front.top(), side, front.height()));
    }
    p.restore();
}

}  // namespace orb::art::ages
