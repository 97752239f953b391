#include <cmath>

#include "kit/PaintKit.h"
#include "scenes/ScenePainters.h"
#include "scenes/painters/LifeKit.h"

namespace orb::art {

namespace {

// A giant flightless bird of the early mammal age: heavy beak, stout legs.
void TerrorBird(QPainter& p, double x, double groundY, double s, bool left) {
    p.save();
    p.translate(x, groundY);
    p.scale(left ? -s : s, s);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 50));
    p.drawEllipse(QPointF(0, 0), 16, 2.5);
    const QColor legs(150, 120, 70);
    p.setBrush(legs.darker(130));
    p.drawPath(Tube({2, -22}, {6, -12}, {4, 0}, 4, 2.5));
    p.setBrush(legs);
    p.drawPath(Tube({-2, -22}, {-6, -10}, {-2, 0}, 4.5, 2.5));
    QPainterPath body;
    body.addEllipse(QPointF(0, -30), 15, 11);
    body = body.united(Tube({8, -34}, {14, -46}, {12, -56}, 9, 6));
    QPainterPath head;
    head.addEllipse(QPointF(14, -59), 6, 5.5);
    body = body.united(head);
    QPainterPath tail;
    tail.moveTo(-12, -34);
    tail.lineTo(-24, -40);
    tail.lineTo(-20, -30);
    tail.closeSubpath();
    body = body.united(tail);
    FillShaded(p, body, QColor(110, 96, 80), -64, -20);
    QPainterPath beak;
    beak.moveTo(17, -64);
    beak.quadTo(29, -63, 29, -55);
    beak.lineTo(18, -54);
    beak.closeSubpath();
    p.setBrush(QColor(220, 170, 70));
    p.drawPath(beak);
    p.setBrush(QColor(20, 15, 10));
    p.drawEllipse(QPointF(15, -61), 1, 1);
    p.restore();
}

// A brontothere: a rhino-like giant with a forked horn on its nose.
void Brontothere(QPainter& p, double x, double groundY, double s, bool left) {
    p.save();
    p.translate(x, groundY);
    p.scale(left ? -s : s, s);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 50));
    p.drawEllipse(QPointF(0, 0), 40, 3.5);
    const QColor hide(112, 100, 94);
    QPainterPath far = Tube({18, -22}, {19, -10}, {18, 0}, 10, 9);
    far = far.united(Tube({-20, -22}, {-20, -10}, {-18, 0}, 11, 9));
    FillShaded(p, far, hide.darker(140), -30, 0);
    QPainterPath b;
    b.addEllipse(QPointF(0, -30), 32, 17);
    QPainterPath hump;
    hump.addEllipse(QPointF(14, -36), 16, 14);
    b = b.united(hump);
    b = b.united(Tube({24, -34}, {36, -32}, {44, -24}, 16, 12));
    b = b.united(Tube({10, -22}, {10, -10}, {11, 0}, 12, 10));
    b = b.united(Tube({-24, -24}, {-25, -10}, {-23, 0}, 13, 10));
    b = b.united(Tube({40, -28}, {46, -38}, {44, -46}, 5, 3));
    b = b.united(Tube({42, -28}, {52, -36}, {54, -44}, 5, 3));
    b = b.united(Tube({-30, -34}, {-36, -28}, {-35, -20}, 2.5, 1.5));
    FillShaded(p, b, hide, -48, 0);
    p.setBrush(QColor(20, 15, 10));
    p.drawEllipse(QPointF(38, -30), 1.3, 1.3);
    p.restore();
}

}  // namespace

// The Paleogene: forests have grown back over rolling hills. Little early
// horses graze a flowery clearing, a horned giant browses at the forest edge
// and a giant flightless bird strides past.
QImage PaintScene13() {
    using namespace life;
    QImage image = NewSceneCanvas();
    const ColorStop sky[] = {
        {0.0, QColor(66, 130, 204)}, {0.6, QColor(142, 190, 230)}, {1.0, QColor(216, 232, 236)}};
    FillSky(image, sky, 3, 0, 170);
    PaintClouds(
        image, 0, 150,
        RecedingClouds({QColor(255, 255, 255), QColor(168, 184, 210), 0.5, 90.0, 34.0, 1.0, 1301}));
    Rng rng(0x1313);
    {
        CanvasPainter p(image);
        // Ranks of wooded hills, bluer with distance.
        ForestRidge(p, rng, 140, 20, 0.01, 1302, QColor(124, 160, 164), 6);
        ForestRidge(p, rng, 156, 18, 0.014, 1303, QColor(96, 142, 112), 8);
        ForestRidge(p, rng, 178, 14, 0.02, 1304, QColor(70, 124, 70), 10);
        // A glimpse of a lake in the valley.
        QPainterPath lake;
        lake.moveTo(200, 190);
        lake.cubicTo(260, 183, 380, 182, 430, 188);
        lake.cubicTo(400, 194, 260, 196, 200, 190);
        p.setBrush(Gradient(QPointF(0, 183), QPointF(0, 196), QColor(180, 214, 232),
                            QColor(120, 170, 196)));
        p.drawPath(lake);
        // The clearing.
        QPainterPath meadow;
        meadow.moveTo(-2, 200);
        meadow.cubicTo(140, 188, 360, 204, 514, 194);
        meadow.lineTo(514, 322);
        meadow.lineTo(-2, 322);
        meadow.closeSubpath();
        FillVertical(p, meadow, QColor(140, 168, 76), QColor(86, 122, 46), 190, 320);
        Mottle(p, meadow, QColor(170, 184, 90), 40, 8, 1305, 0.5, 0.5);
        Mottle(p, meadow, QColor(70, 104, 40), 24, 8, 1306, 0.5, 0.55);
        // Forest edge on the right, with palms among the broadleaf trees.
        for (int i = 0; i < 7; ++i) {
            const double x = 360 + i * 26 + rng.Range(-8, 8);
            BroadTree(p, rng, x, 214 + rng.Range(-4, 4), rng.Range(80, 110), rng.Range(50, 70),
                      QColor(64, 116, 54), QColor(90, 74, 56));
        }
        PalmLike(p, rng, 352, 222, 80, -0.12, QColor(72, 128, 60), QColor(116, 96, 70), 11, 36);
        for (int i = 0; i < 12; ++i) {
            Shrub(p, rng, 340 + i * 16, 230 + rng.Range(-2, 6), 24, 18, QColor(60, 110, 50),
                  QColor(250, 210, 90), 3);
        }
        // The animals.
        const UngulateShape horse{
            26, 12, 12, 10, true, false, QColor(140, 100, 66), QColor(200, 176, 140)};
        const UngulateShape horse2{
            24, 11, 11, 10, false, false, QColor(132, 94, 62), QColor(196, 170, 136)};
        Ungulate(p, 120, 232, 0.9, false, horse);
        Ungulate(p, 170, 238, 1.0, true, horse2);
        Ungulate(p, 88, 246, 1.1, false, horse2);
        Ungulate(p, 150, 222, 0.7, false, horse);
        Brontothere(p, 296, 242, 1.0, false);
        TerrorBird(p, 230, 282, 1.3, true);

        // Foreground: a big tree on the left and a flowery edge.
        BroadTree(p, rng, 20, 330, 290, 180, QColor(58, 110, 48), QColor(86, 68, 50));
        GrassTufts(p, rng, 262, 320, 140, {QColor(70, 110, 40), QColor(150, 180, 80), 10});
        for (int i = 0; i < 60; ++i) {
            const QPointF c(rng.Range(60, 512), rng.Range(270, 318));
            const QColor f = rng.Uniform() < 0.5 ? QColor(250, 240, 120) : QColor(240, 240, 250);
            p.setBrush(f);
            const double r = 1.0 + (c.y() - 260) * 0.025;
            p.drawEllipse(c, r, r);
        }
    }
    return image;
}

}  // namespace orb::art
