#include "scenes/painters/AgesKit.h"

#include <QRadialGradient>
#include <algorithm>
#include <cmath>

#include "kit/PixelBlend.h"

namespace orb::art::ages {

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
