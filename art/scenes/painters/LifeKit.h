// Shapes shared by the history-of-life scenes beyond the common kit: wooded
// ridges, mottling and animals (their plants are the kit's, in kit/Vegetation.h).
// Animals are drawn in a local frame whose origin is the ground under them, so
// a scene only places and scales.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdint>

#include "kit/Atmosphere.h"
#include "kit/CanvasPainter.h"
#include "kit/Gradient.h"
#include "kit/PaintKit.h"
#include "kit/Shapes.h"
#include "kit/Sky.h"
#include "kit/Terrain.h"
#include "kit/Vegetation.h"
#include "kit/Water.h"

namespace orb::art::life {

// A wooded ridge: the outline is a line of tree crowns, lit from the upper left.
void ForestRidge(QPainter& p, Rng& rng, double baseY, double amp, double freq, std::uint32_t seed,
                 QColor leaf, double crown);
// Soft low-frequency mottling of one colour inside a shape.
void Mottle(QPainter& p, const QPainterPath& clip, QColor colour, double sx, double sy,
            std::uint32_t seed, double alphaMax, double threshold = 0.45);

// Animals, facing right unless `left`. `s` scales the local frame (about 1 px per unit).
void Sauropod(QPainter& p, double x, double groundY, double s, bool left, QColor body);
void Theropod(QPainter& p, double x, double groundY, double s, bool left, QColor body);
// Shaggy with a high domed head, or a bare savanna elephant with big ears.
void Mammoth(QPainter& p, double x, double groundY, double s, bool left, QColor body,
             bool shaggy = true);
struct UngulateShape {
    double bodyLen = 0.0;
    double bodyH = 0.0;
    double legLen = 0.0;
    double neckLen = 0.0;
    bool grazing = false;
    bool horns = false;
    QColor body;
    QColor belly;
};
void Ungulate(QPainter& p, double x, double groundY, double s, bool left, const UngulateShape& u);
void Hominid(QPainter& p, double x, double groundY, double s, bool left, double stride,
             QColor skin);
void Dragonfly(QPainter& p, double x, double y, double s, double angle, QColor body);
void Trilobite(QPainter& p, double x, double y, double s, double angle, QColor shell);
void Orthocone(QPainter& p, double x, double y, double s, bool left, QColor shell);
void Fish(QPainter& p, double x, double y, double s, bool left, QColor body);
void LobeFish(QPainter& p, double x, double groundY, double s, bool left, QColor body);

}  // namespace orb::art::life
