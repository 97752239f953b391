#include "Vegetation.h"

#include <QPainterPath>
#include <algorithm>

#include "Gradient.h"

namespace orb::art {

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

}  // namespace orb::art
