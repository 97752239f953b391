// Shape building blocks shared by the painted scenes: points on a quadratic
// curve, tapering tubes along one, polygons, soft irregular blobs, and fills shaded
// from top to bottom.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <initializer_list>

#include "kit/PaintKit.h"

namespace orb::art {

// The point at t (0..1) on the quadratic curve from a through control c to b,
// and the curve's direction there.
QPointF QuadPoint(QPointF a, QPointF c, QPointF b, double t);
QPointF QuadTangent(QPointF a, QPointF c, QPointF b, double t);

// A tube along the quadratic curve a, c, b, w0 wide at a and w1 at b.
QPainterPath Tube(QPointF a, QPointF c, QPointF b, double w0, double w1, int steps = 18);
// A closed path through `points`.
QPainterPath PolygonPath(std::initializer_list<QPointF> points);
// A closed smooth blob around `centre`, its radius wobbling by up to `wobble`.
QPainterPath Blob(QPointF centre, double rx, double ry, Rng& rng, double wobble, int points = 14);
// Fills `path` lit at yTop and shaded at yBottom, around `colour`.
void FillShaded(QPainter& p, const QPainterPath& path, QColor colour, double yTop, double yBottom);

}  // namespace orb::art
