#include "kit/Shapes.h"

#include <QPolygonF>
#include <cmath>
#include <vector>

#include "kit/Gradient.h"

namespace orb::art {

QPointF QuadPoint(QPointF a, QPointF c, QPointF b, double t) {
    const double u = 1.0 - t;
    return a * (u * u) + c * (2.0 * u * t) + b * (t * t);
}

QPointF QuadTangent(QPointF a, QPointF c, QPointF b, double t) {
    return (c - a) * (2.0 * (1.0 - t)) + (b - c) * (2.0 * t);
}

QPainterPath Tube(QPointF a, QPointF c, QPointF b, double w0, double w1, int steps) {
    std::vector<QPointF> left;
    std::vector<QPointF> right;
    for (int i = 0; i <= steps; ++i) {
        const double t = static_cast<double>(i) / steps;
        const QPointF pt = QuadPoint(a, c, b, t);
        QPointF d = QuadTangent(a, c, b, t);
        const double len = std::hypot(d.x(), d.y());
        d = len > 1e-9 ? d / len : QPointF(1.0, 0.0);
        const QPointF n(-d.y(), d.x());
        const double w = (w0 + (w1 - w0) * t) * 0.5;
        left.push_back(pt + n * w);
        right.push_back(pt - n * w);
    }
    QPainterPath path;
    path.moveTo(left.front());
    for (std::size_t i = 1; i < left.size(); ++i) {
        path.lineTo(left[i]);
    }
    for (auto it = right.rbegin(); it != right.rend(); ++it) {
        path.lineTo(*it);
    }
    path.closeSubpath();
    return path;
}

QPainterPath PolygonPath(std::initializer_list<QPointF> points) {
    QPainterPath path;
    path.addPolygon(QPolygonF(QVector<QPointF>(points)));
    path.closeSubpath();
    return path;
}

QPainterPath Blob(QPointF centre, double rx, double ry, Rng& rng, double wobble, int points) {
    std::vector<QPointF> pts;
    for (int i = 0; i < points; ++i) {
        const double a = 2.0 * kPi * i / points;
        const double r = 1.0 + rng.Range(-wobble, wobble);
        pts.emplace_back(centre.x() + std::cos(a) * rx * r, centre.y() + std::sin(a) * ry * r);
    }
    QPainterPath path;
    // Smooth closed curve through the midpoints.
    const auto mid = [&](std::size_t i) { return (pts[i] + pts[(i + 1) % pts.size()]) * 0.5; };
    path.moveTo(mid(0));
    for (std::size_t i = 1; i <= pts.size(); ++i) {
        path.quadTo(pts[i % pts.size()], mid(i % pts.size()));
    }
    path.closeSubpath();
    return path;
}

void FillShaded(QPainter& p, const QPainterPath& path, QColor colour, double yTop, double yBottom) {
    p.setPen(Qt::NoPen);
    p.setBrush(Gradient(QPointF(0.0, yTop), QPointF(0.0, yBottom), colour.lighter(118), colour,
                        0.55, colour.darker(150)));
    p.drawPath(path);
}

}  // namespace orb::art
