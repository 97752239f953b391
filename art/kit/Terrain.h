// Land: ridges and hills whose edge follows fractal noise. The painted
// scenes have two looks: ridge outlines filled through QPainter (RidgePath,
// FillVertical), and land layers shaded pixel by pixel that report their
// edge so things can stand on it (PaintLand, EdgePath).
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdint>
#include <vector>

namespace orb::art {

// A ridge across the scene: its edge wanders `amp` above and below baseY;
// `ridged` (0..1) blends in sharp crests. Closed down to `bottom`.
QPainterPath RidgePath(double baseY, double amp, double freq, std::uint32_t seed, int octaves = 4,
                       double ridged = 0.0, double bottom = 320.0);
// Fills `path` with a vertical ramp from `top` at yTop to `bottom` at yBottom.
void FillVertical(QPainter& p, const QPainterPath& path, QColor top, QColor bottom, double yTop,
                  double yBottom);

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

// A path along the column edge returned by PaintLand, closed down to bottom.
QPainterPath EdgePath(const std::vector<double>& edge, int x0, int x1, double bottom);

}  // namespace orb::art
