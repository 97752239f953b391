#include "kit/Vegetation.h"

#include <QPainterPath>
#include <algorithm>

#include "kit/Gradient.h"
#include "kit/Shapes.h"

namespace orb::art {

namespace {

// A leaf crown is built in three layers: shade, the leaf colour, then light.
QColor CrownLayer(const QColor& leaf, int layer) {
    return layer == 0 ? leaf.darker(150) : layer == 1 ? leaf : leaf.lighter(125);
}

}  // namespace

void GrassTufts(QPainter& p, Rng& rng, double top, double bottom, int count, const GrassStyle& s) {
    p.save();
    for (int i = 0; i < count; ++i) {
        // Sort by depth so nearer tufts overlap farther ones.
        const double t = static_cast<double>(i) / count;
        const double y = top + (bottom - top) * (t + rng.Range(0.0, 1.0 / count));
        const double x = rng.Range(-5.0, 517.0);
        const double depth = (y - top) / std::max(1.0, bottom - top);
        const double h = s.height * (0.4 + 0.8 * depth) * rng.Range(0.6, 1.3);
        const int blades = rng.Int(s.minBlades, s.maxBlades);
        for (int b = 0; b < blades; ++b) {
            const double lean = rng.Range(-0.6, 0.6);
            const QColor c = Mix(s.dark, s.light, rng.Uniform());
            p.setPen(QPen(c, s.widthFar + (s.widthNear - s.widthFar) * depth, Qt::SolidLine,
                          Qt::RoundCap));
            QPainterPath blade(QPointF(x + b * 0.8, y));
            blade.quadTo(QPointF(x + b * 0.8 + lean * h * 0.3, y - h * 0.6),
                         QPointF(x + b * 0.8 + lean * h, y - h));
            p.setBrush(Qt::NoBrush);
            p.drawPath(blade);
        }
    }
    p.restore();
}

void Conifer(QPainter& p, Rng& rng, double x, double ground, double h, double w, const QColor& leaf,
             bool snow) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 50, 35));
    p.drawRect(QRectF(x - w * 0.05, ground - h * 0.15, w * 0.1, h * 0.15));
    const int tiers = 7;
    for (int i = 0; i < tiers; ++i) {
        const double t = static_cast<double>(i) / tiers;
        const double yb = ground - h * (0.08 + 0.84 * t);
        const double yt = yb - h * 0.26;
        const double half = w * 0.5 * (1.0 - t * 0.85) * rng.Range(0.9, 1.1);
        QPainterPath tier;
        tier.moveTo(x, yt);
        tier.quadTo(QPointF(x - half * 0.4, yb - h * 0.1), QPointF(x - half, yb + h * 0.02));
        tier.quadTo(QPointF(x, yb - h * 0.03), QPointF(x + half, yb + h * 0.02));
        tier.quadTo(QPointF(x + half * 0.4, yb - h * 0.1), QPointF(x, yt));
        p.setBrush(Gradient(QPointF(x - half, 0.0), QPointF(x + half, 0.0), leaf.lighter(120), leaf,
                            0.6, leaf.darker(160)));
        p.drawPath(tier);
        if (snow) {
            QPainterPath cap;
            cap.moveTo(x, yt);
            cap.quadTo(QPointF(x - half * 0.35, yb - h * 0.12), QPointF(x - half * 0.9, yb));
            cap.quadTo(QPointF(x - half * 0.3, yb - h * 0.1),
                       QPointF(x + half * 0.2, yb - h * 0.06));
            cap.quadTo(QPointF(x + half * 0.1, yb - h * 0.15), QPointF(x, yt));
            p.setBrush(QColor(238, 244, 252));
            p.drawPath(cap);
        }
    }
    p.restore();
}

void FlatConifer(QPainter& p, double x, double ground, double h, const QColor& colour) {
    p.save();
    p.setPen(Qt::NoPen);
    const double w = h * 0.34;
    p.setBrush(colour.darker(170));
    p.drawRect(QRectF(x - h * 0.03, ground - h * 0.15, h * 0.06, h * 0.15));
    // Three tiers, each with a lit left half.
    for (int i = 0; i < 3; ++i) {
        const double top = ground - h + i * h * 0.25;
        const double base = ground - h * 0.12 - (2 - i) * h * 0.18;
        const double half = w * (0.55 + 0.22 * i);
        QPainterPath tier;
        tier.moveTo(x, top);
        tier.lineTo(x + half, base);
        tier.lineTo(x - half, base);
        tier.closeSubpath();
        p.setBrush(colour.darker(125));
        p.drawPath(tier);
        QPainterPath lit;
        lit.moveTo(x, top);
        lit.lineTo(x - half, base);
        lit.lineTo(x - half * 0.1, base);
        lit.closeSubpath();
        p.setBrush(colour);
        p.drawPath(lit);
    }
    p.restore();
}

void BroadTree(QPainter& p, Rng& rng, double x, double baseY, double h, double w, QColor leaf,
               QColor trunk) {
    p.save();
    p.setPen(Qt::NoPen);
    const double crownY = baseY - h * 0.62;
    QPainterPath wood = Tube(QPointF(x, baseY), QPointF(x + w * 0.03, baseY - h * 0.3),
                             QPointF(x, crownY), w * 0.13, w * 0.06);
    for (int b = 0; b < 3; ++b) {
        const double side = b - 1.0;
        wood.addPath(Tube(QPointF(x, baseY - h * (0.35 + 0.05 * b)),
                          QPointF(x + side * w * 0.15, crownY),
                          QPointF(x + side * w * 0.3, crownY - h * 0.12), w * 0.06, w * 0.02));
    }
    wood.setFillRule(Qt::WindingFill);
    FillShaded(p, wood, trunk, crownY, baseY);
    // Dark mass, then lighter clusters toward the sun at upper left.
    // Big foreground trees get more, smaller clusters so they do not look inflated.
    const bool big = w > 90.0;
    const int n = big ? 34 : 14;
    const double scale = big ? 0.62 : 1.0;
    for (int layer = 0; layer < 3; ++layer) {
        const QColor c = CrownLayer(leaf, layer);
        p.setBrush(c);
        for (int i = 0; i < n - layer * (big ? 9 : 4); ++i) {
            const double a = rng.Range(0.0, 2.0 * kPi);
            const double r = std::sqrt(rng.Uniform());
            double cx = x + std::cos(a) * r * w * 0.38;
            double cy = crownY + std::sin(a) * r * h * 0.25;
            if (layer > 0) {
                cx -= layer * w * 0.04;
                cy -= layer * h * 0.04;
            }
            const double rad = w * rng.Range(0.14, 0.22) * (1.0 - 0.18 * layer) * scale;
            p.drawPath(Blob(QPointF(cx, cy), rad, rad * 0.8, rng, 0.18, 10));
        }
    }
    p.restore();
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
    for (int pass = 0; pass < 3; ++pass) {
        const QColor c = CrownLayer(leaf, pass);
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

}  // namespace orb::art
