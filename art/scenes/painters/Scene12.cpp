#include <cmath>

#include "kit/PaintKit.h"
#include "scenes/ScenePainters.h"
#include "scenes/painters/LifeKit.h"

namespace orb::art {

namespace {

// Bleached ribs and skull of a dinosaur half buried in ash.
void Skeleton(QPainter& p, double x, double y, double s) {
    p.save();
    p.translate(x, y);
    p.scale(s, s);
    const QColor bone(214, 204, 184);
    p.setPen(QPen(bone, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath spine(QPointF(-60, -4));
    spine.quadTo(QPointF(-10, -22), QPointF(40, -10));
    p.drawPath(spine);
    for (int i = 0; i < 9; ++i) {
        const double t = i / 8.0;
        const double sx = -40 + t * 70;
        const double sy = -4 - 18 * std::sin(3.14159 * (0.2 + 0.6 * t));
        QPainterPath rib(QPointF(sx, sy));
        rib.quadTo(QPointF(sx + 14, sy + 6), QPointF(sx + 6, 2));
        p.drawPath(rib);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(bone);
    QPainterPath skull;
    skull.moveTo(38, -14);
    skull.lineTo(64, -10);
    skull.lineTo(66, -3);
    skull.lineTo(40, 0);
    skull.closeSubpath();
    p.drawPath(skull);
    p.setBrush(QColor(60, 54, 50));
    p.drawEllipse(QPointF(46, -8), 3, 2.4);
    p.restore();
}

}  // namespace

// The impact winter: soot and ash blot out the sun to a dull red disc, the
// forests stand dead and grey ash lies over everything.
QImage PaintScene12() {
    using namespace life;
    QImage image = NewSceneCanvas();
    const ColorStop sky[] = {
        {0.0, QColor(52, 48, 50)}, {0.55, QColor(96, 86, 80)}, {1.0, QColor(150, 128, 108)}};
    FillSky(image, sky, 3, 0, 210);
    Rng rng(0x1212);
    {
        CanvasPainter p(image);
        Glow(p, QPointF(360, 92), 90, QColor(220, 120, 70), 0.4);
        p.setBrush(QColor(206, 110, 70));
        p.drawEllipse(QPointF(360, 92), 14, 14);
    }
    // Rolling banks of ash cloud, some veiling the sun.
    PaintClouds(
        image, 0, 190,
        RecedingClouds({QColor(130, 118, 110), QColor(50, 46, 48), 0.6, 110.0, 30.0, 0.8, 1201}));

    {
        CanvasPainter p(image);
        const QPainterPath far = RidgePath(190, 22, 0.012, 1202, 5, 0.4);
        FillVertical(p, far, QColor(94, 86, 84), QColor(122, 112, 104), 160, 210);
        for (int i = 0; i < 40; ++i) {
            DeadTree(p, rng, rng.Range(0, 512), 206 + rng.Range(0, 4), rng.Range(14, 24), 1.2,
                     QColor(96, 88, 84));
        }
        const QPainterPath mid = RidgePath(222, 10, 0.018, 1203, 4);
        FillVertical(p, mid, QColor(124, 116, 108), QColor(110, 102, 96), 206, 250);
        Mottle(p, mid, QColor(150, 142, 134), 30, 6, 1204, 0.5);
        for (int i = 0; i < 16; ++i) {
            const double x = rng.Range(0, 512);
            DeadTree(p, rng, x, 226 + rng.Range(0, 8), rng.Range(36, 60), 2.5, QColor(76, 68, 64));
        }
        // A lingering fire on the far slope.
        Glow(p, QPointF(120, 212), 26, QColor(255, 120, 40), 0.5);
        for (int i = 0; i < 10; ++i) {
            const double t = i / 9.0;
            const double r = 6 + t * 16;
            p.setBrush(QColor(70, 64, 64, static_cast<int>(150 - t * 100)));
            p.drawPath(Blob(QPointF(120 + t * 50, 206 - t * 70), r, r * 0.7, rng, 0.2, 10));
        }

        // Foreground: ash drifts, dead trunks and bones.
        QPainterPath ground;
        ground.moveTo(-2, 250);
        ground.cubicTo(100, 240, 260, 262, 514, 246);
        ground.lineTo(514, 322);
        ground.lineTo(-2, 322);
        ground.closeSubpath();
        FillVertical(p, ground, QColor(156, 148, 140), QColor(104, 98, 94), 240, 320);
        Mottle(p, ground, QColor(186, 180, 172), 40, 7, 1205, 0.55, 0.5);
        Mottle(p, ground, QColor(80, 74, 72), 26, 8, 1206, 0.45, 0.6);
        DeadTree(p, rng, 70, 300, 250, 10, QColor(70, 62, 58));
        DeadTree(p, rng, 440, 290, 200, 8, QColor(80, 72, 66));
        // A fallen trunk.
        const QPainterPath log =
            Tube(QPointF(180, 302), QPointF(260, 288), QPointF(340, 298), 13, 9);
        FillShaded(p, log, QColor(96, 86, 80), 282, 308);
        p.save();
        p.setClipPath(log);
        p.setPen(QPen(QColor(60, 54, 52), 0.9));
        for (int i = 0; i < 8; ++i) {
            QPainterPath crack(QPointF(180, 298 + i * 1.3 - 4));
            crack.quadTo(QPointF(260, 284 + i * 1.3 - 4), QPointF(340, 294 + i * 1.3 - 4));
            p.setBrush(Qt::NoBrush);
            p.drawPath(crack);
        }
        p.restore();
        // Ash piled on the top of the log, and a splintered end.
        p.setPen(QPen(QColor(190, 184, 176), 2.2, Qt::SolidLine, Qt::RoundCap));
        QPainterPath drift(QPointF(186, 296));
        drift.quadTo(QPointF(260, 281), QPointF(334, 293));
        p.setBrush(Qt::NoBrush);
        p.drawPath(drift);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(140, 128, 116));
        QPolygonF splinter;
        splinter << QPointF(338, 292) << QPointF(348, 290) << QPointF(343, 295) << QPointF(352, 297)
                 << QPointF(342, 300) << QPointF(346, 304) << QPointF(337, 303);
        p.drawPolygon(splinter);
        Skeleton(p, 300, 272, 1.0);
        // Leaf-less palm stumps.
        for (int i = 0; i < 4; ++i) {
            const double x = 160 + i * 70 + rng.Range(-10, 10);
            FillShaded(p, Tube(QPointF(x, 262), QPointF(x + 3, 240), QPointF(x + 1, 222), 5, 3),
                       QColor(90, 82, 76), 222, 262);
        }
        // Falling ash.
        for (int i = 0; i < 160; ++i) {
            const double r = rng.Range(0.5, 1.4);
            p.setBrush(QColor(200, 192, 184, static_cast<int>(rng.Range(90, 190))));
            p.drawEllipse(QPointF(rng.Range(0, 512), rng.Range(0, 320)), r, r);
        }
    }
    return image;
}

}  // namespace orb::art
