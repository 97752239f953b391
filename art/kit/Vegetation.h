// Plants shared by the painted scenes: grass, conifers, broad-leaved trees,
// and the ferns, palms, early trees and shrubs of the history of life.
// (x, ground) or (x, baseY) is always where the stem meets the ground.
#pragma once

#include <QColor>
#include <QPainter>

#include "kit/PaintKit.h"

namespace orb::art {

// Tufts of grass scattered over rows [top, bottom), painted far to near so
// nearer tufts overlap farther ones. Tufts grow toward the bottom of the band.
struct GrassStyle {
    QColor dark;
    QColor light;
    double height = 10.0;  // a near tuft's typical height in pixels
    int minBlades = 3;
    int maxBlades = 6;
    double widthFar = 0.7;  // blade width at the top of the band
    double widthNear = 1.5;
};
void GrassTufts(QPainter& p, Rng& rng, double top, double bottom, int count,
                const GrassStyle& style);

// A soft conifer of seven drooping tiers, shaded across, optionally with snow
// on the upper side of each tier. w is the width of the lowest tier.
void Conifer(QPainter& p, Rng& rng, double x, double ground, double h, double w, const QColor& leaf,
             bool snow);

// A flat, three-tier conifer with a lit left half, for the flat-shaded
// history scenes where soft tiers would look out of place.
void FlatConifer(QPainter& p, double x, double ground, double h, const QColor& colour);

// Broad-leaved trees, two looks: BroadTree, a forked trunk under a crown of
// irregular leaf clusters (the history of life), and DrawLeafyTree, a plain
// stem under round leaf blobs (human history).
void BroadTree(QPainter& p, Rng& rng, double x, double baseY, double h, double w, QColor leaf,
               QColor trunk);
void DrawLeafyTree(QPainter& p, double x, double ground, double height, const QColor& leaf,
                   const QColor& trunk, Rng& rng);

// A fern frond along the quadratic curve base, ctrl, tip, with leaflets up to
// `leaf` long.
void Frond(QPainter& p, QPointF base, QPointF ctrl, QPointF tip, double leaf, QColor stem,
           QColor leafColour, int count = 18, double width = 1.4);
// A low fan of fern fronds rooted at `base`.
void FernClump(QPainter& p, Rng& rng, QPointF base, double size, QColor stem, QColor leaf);

// The history of life's trees and shrubs.
void Acacia(QPainter& p, Rng& rng, double x, double baseY, double h, double w, QColor leaf,
            QColor trunk);
void Araucaria(QPainter& p, Rng& rng, double x, double baseY, double h, QColor leaf, QColor trunk);
void Cycad(QPainter& p, Rng& rng, double x, double baseY, double h, QColor leaf, QColor trunk);
void PalmLike(QPainter& p, Rng& rng, double x, double baseY, double h, double lean, QColor leaf,
              QColor trunk, int fronds, double frondLen);
void Horsetail(QPainter& p, Rng& rng, double x, double baseY, double h, double w, QColor stem,
               QColor leaf);
void ScaleTree(QPainter& p, Rng& rng, double x, double baseY, double h, double w, QColor bark,
               QColor leaf);
void DeadTree(QPainter& p, Rng& rng, double x, double baseY, double h, double w, QColor wood);
void Shrub(QPainter& p, Rng& rng, double x, double baseY, double w, double h, QColor leaf,
           QColor flower, int flowers);

}  // namespace orb::art
