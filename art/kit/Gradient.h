// Brushes that shade a shape from one colour to another.
#pragma once

#include <QBrush>
#include <QColor>
#include <QPointF>

namespace orb::art {

// A linear gradient brush running from c0 at a to c1 at b.
QBrush Gradient(QPointF a, QPointF b, const QColor& c0, const QColor& c1);
// The same through a third colour `mid` at `midAt` (0..1) along the way, as
// for a round trunk lit on one side.
QBrush Gradient(QPointF a, QPointF b, const QColor& c0, const QColor& mid, double midAt,
                const QColor& c1);

}  // namespace orb::art
