// Shapes shared by the scenes of human history and the far future beyond the
// common kit: trees, figures, smoke, windows and blocks.
// Everything is seeded, so a scene paints the same pixels on every run.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <cstdint>
#include <vector>

#include "kit/Atmosphere.h"
#include "kit/CanvasPainter.h"
#include "kit/Gradient.h"
#include "kit/PaintKit.h"
#include "kit/Sky.h"
#include "kit/Terrain.h"
#include "kit/Vegetation.h"
#include "kit/Water.h"

namespace orb::art::ages {

constexpr int kWidth = 512;
constexpr int kHeight = 320;

void DrawCypress(QPainter& p, double x, double ground, double height, const QColor& color);
void DrawPalm(QPainter& p, double x, double ground, double height, double lean, const QColor& frond,
              const QColor& trunk, Rng& rng);

// Small figures and animals, seen from afar.
void DrawPerson(QPainter& p, double x, double ground, double height, const QColor& body);
void DrawBird(QPainter& p, double x, double y, double span, const QColor& color);
void DrawSheep(QPainter& p, double x, double ground, double size, bool facingLeft);

// Billowing smoke: overlapping soft puffs from start, drifting and growing.
void DrawSmoke(QPainter& p, QPointF start, QPointF drift, int puffs, double r0, double r1,
               const QColor& color, Rng& rng);

// A grid of windows inside rect; lit is the chance that a window shows the
// bright colour rather than the dark one.
void DrawWindows(QPainter& p, const QRectF& rect, int cols, int rows, double margin,
                 const QColor& dark, const QColor& bright, double lit, Rng& rng);

// A box with a lit face and a shaded face; light comes from the left.
void DrawBlock(QPainter& p, const QRectF& front, double sideWidth, const QColor& lit,
               const QColor& shade);

}  // namespace orb::art::ages
