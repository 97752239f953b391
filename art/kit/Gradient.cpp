#include "kit/Gradient.h"

#include <QLinearGradient>

namespace orb::art {

QBrush Gradient(QPointF a, QPointF b, const QColor& c0, const QColor& c1) {
    QLinearGradient g(a, b);
    g.setColorAt(0.0, c0);
    g.setColorAt(1.0, c1);
    return QBrush(g);
}

QBrush Gradient(QPointF a, QPointF b, const QColor& c0, const QColor& mid, double midAt,
                const QColor& c1) {
    QLinearGradient g(a, b);
    g.setColorAt(0.0, c0);
    g.setColorAt(midAt, mid);
    g.setColorAt(1.0, c1);
    return QBrush(g);
}

}  // namespace orb::art
