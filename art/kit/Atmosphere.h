// Light and air over a finished layer: haze that thickens with distance and
// soft glows around bright things.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPointF>

namespace orb::art {

// How haze grows from the band's top to its bottom.
enum class HazeRamp {
    Linear,  // straight from a0 to a1
    Smooth,  // eased at both ends, so the band has no visible top or bottom edge
};

// Mixes rows [top, bottom) toward `colour`, by a0 at the top to a1 at the bottom.
void Haze(QImage& image, int top, int bottom, const QColor& colour, double a0, double a1,
          HazeRamp ramp = HazeRamp::Linear);

// A soft round glow painted over what is there: full `alpha` at the centre,
// a third of it at 0.3 of the radius, nothing at the rim.
void Glow(QPainter& p, QPointF centre, double radius, const QColor& colour, double alpha);

// A glow that only brightens: screen blend of colour * strength * (1 - d/r)^2.
// Use it where a glow must not grey out what is already brighter than it.
void ScreenGlow(QImage& image, QPointF centre, double radius, const QColor& colour,
                double strength);

}  // namespace orb::art
