// Shapes and layers shared by the scenes of human history and the far future:
// skies, clouds, land layers, water with reflections, trees, smoke and windows.
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
#include "kit/Vegetation.h"

namespace orb::art::ages {

constexpr int kWidth = 512;
constexpr int kHeight = 320;

// A land layer whose top edge follows fractal noise, shaded from top to
// bottom colour with gentle low-frequency mottling. Returns the top edge y for
// each column so that objects can stand on it.
struct LandStyle {
    double base = 200.0;  // mean height of the top edge
    double amp = 20.0;    // how far the edge wanders up
    double freq = 0.01;   // noise cells per pixel along x
    int octaves = 4;
    bool ridged = false;  // sharp mountain crests
    QColor top;
    QColor bottom;
    double mottle = 0.0;  // strength of the tone variation
    QColor mottleColor;
    double mottleScale = 40.0;
    std::uint32_t seed = 1;
};
std::vector<double> PaintLand(QImage& img, const LandStyle& style);

// Water from row top to bottom that mirrors what is already painted above it,
// broken by soft ripples and tinted toward the water colours.
struct WaterStyle {
    QColor farTint;
    QColor nearTint;
    double reflect = 0.6;  // how much of the mirrored picture shows
    double ripple = 2.0;   // sideways ripple displacement in pixels
    double glint = 0.0;    // strength of bright streaks
    QColor glintColor = QColor(255, 250, 230);
    std::uint32_t seed = 1;
};
void PaintWater(QImage& img, int top, int bottom, const WaterStyle& style);

// A path along the column edge returned by PaintLand, closed down to bottom.
QPainterPath EdgePath(const std::vector<double>& edge, int x0, int x1, double bottom);

// Trees and plants; (x, ground) is the foot of the trunk.
void DrawLeafyTree(QPainter& p, double x, double ground, double height, const QColor& leaf,
                   const QColor& trunk, Rng& rng);
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
