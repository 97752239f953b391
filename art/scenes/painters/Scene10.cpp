#include <cmath>

#include "kit/PaintKit.h"
#include "scenes/ScenePainters.h"
#include "scenes/painters/LifeKit.h"

namespace orb::art {

namespace {

// A pterosaur gliding: long narrow wings and a crested head.
void Pterosaur(QPainter& p, double x, double y, double s, double flap) {
    p.save();
    p.translate(x, y);
    p.scale(s, s);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 60, 60));
    QPainterPath w;
    w.moveTo(-40, -flap);
    w.quadTo(-20, -4 - flap * 0.5, -4, 0);
    w.lineTo(4, 0);
    w.quadTo(20, -4 - flap * 0.5, 40, -flap);
    w.quadTo(20, 2, 4, 3);
    w.lineTo(-4, 3);
    w.quadTo(-20, 2, -40, -flap);
    p.drawPath(w);
    p.drawPath(Tube({0, 2}, {6, 1}, {12, -1}, 4, 1.5));
    p.drawPath(Tube({2, 0}, {-4, -5}, {-9, -6}, 2, 0.5));
    p.restore();
}

// A horned dinosaur: bulky body, bony frill, two brow horns and a nose horn.
void Triceratops(QPainter& p, double x, double groundY, double s, bool left, QColor hide) {
    p.save();
    p.translate(x, groundY);
    p.scale(left ? -s : s, s);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 50));
    p.drawEllipse(QPointF(0, 0), 34, 3);
    QPainterPath far = Tube({16, -16}, {17, -8}, {16, 0}, 8, 7);
    far = far.united(Tube({-18, -18}, {-18, -8}, {-17, 0}, 9, 7));
    FillShaded(p, far, hide.darker(140), -24, 0);
    QPainterPath b;
    b.addEllipse(QPointF(-2, -24), 28, 14);
    b = b.united(Tube({-26, -26}, {-40, -22}, {-50, -12}, 12, 2));
    b = b.united(Tube({10, -16}, {10, -8}, {12, 0}, 9, 8));
    b = b.united(Tube({-20, -18}, {-21, -8}, {-19, 0}, 10, 8));
    b = b.united(Tube({22, -24}, {32, -22}, {42, -16}, 14, 8));
    FillShaded(p, b, hide, -38, 0);
    QPainterPath frill;
    frill.addEllipse(QPointF(26, -31), 8, 14);
    p.setBrush(hide.darker(150));
    p.drawEllipse(QPointF(25.5, -31), 9, 15);
    FillShaded(p, frill, hide.lighter(115), -45, -17);
    p.setBrush(QColor(236, 226, 200));
    p.drawPath(Tube({32, -26}, {42, -34}, {50, -36}, 3, 0.6));
    p.drawPath(Tube({44, -18}, {47, -21}, {48, -25}, 2.4, 0.5));
    p.setBrush(QColor(20, 15, 10));
    p.drawEllipse(QPointF(36, -23), 1, 1);
    p.restore();
}

}  // namespace

// The late Cretaceous: a smoking volcano over a plain of early flowering
// trees and magnolia shrubs, a great theropod striding through, pterosaurs
// circling overhead.
QImage PaintScene10() {
    using namespace life;
    QImage image = NewSceneCanvas();
    const ColorStop sky[] = {
        {0.0, QColor(70, 120, 180)}, {0.65, QColor(156, 186, 206)}, {1.0, QColor(236, 214, 180)}};
    FillSky(image, sky, 3, 0, 200);
    PaintClouds(image, 0, 110,
                RecedingClouds(
                    {QColor(255, 250, 240), QColor(170, 176, 190), 0.3, 120.0, 28.0, 0.85, 1001}));
    Rng rng(0x1010);
    {
        CanvasPainter p(image);

        // The volcano: a broad cone with a dark ash plume leaning downwind.
        QPainterPath cone;
        cone.moveTo(60, 190);
        cone.cubicTo(130, 170, 170, 90, 196, 72);
        cone.lineTo(226, 70);
        cone.cubicTo(250, 90, 300, 170, 380, 190);
        cone.closeSubpath();
        FillVertical(p, cone, QColor(110, 100, 104), QColor(150, 146, 150), 70, 190);
        Mottle(p, cone, QColor(80, 70, 74), 8, 20, 1002, 0.6, 0.5);
        // Glowing lava runnels down the flank.
        p.setBrush(Qt::NoBrush);
        for (int i = 0; i < 3; ++i) {
            QPainterPath lava(QPointF(205 + i * 6, 74));
            lava.cubicTo(QPointF(200 + i * 14, 100), QPointF(215 + i * 20, 120),
                         QPointF(210 + i * 26, 150 - i * 10));
            p.setPen(QPen(QColor(255, 120, 40, 140), 4.0 - i, Qt::SolidLine, Qt::RoundCap));
            p.drawPath(lava);
            p.setPen(QPen(QColor(255, 210, 110), 1.2, Qt::SolidLine, Qt::RoundCap));
            p.drawPath(lava);
        }
        p.setPen(Qt::NoPen);
        Glow(p, QPointF(211, 70), 30, QColor(255, 140, 60), 0.8);
        for (int i = 0; i < 26; ++i) {
            const double t = i / 25.0;
            const QPointF c(211 + t * 170 + rng.Range(-10, 10), 62 - t * 60 * (1.2 - t) - t * 12);
            const double r = 12 + t * 30 + rng.Range(-4, 4);
            p.setBrush(
                Mix(QColor(70, 64, 66), QColor(150, 144, 146), t * 0.8 + rng.Range(0, 0.15)));
            p.drawPath(Blob(c, r, r * 0.75, rng, 0.2, 11));
            p.setBrush(QColor(170, 164, 164, 120));
            p.drawPath(Blob(c + QPointF(-r * 0.25, -r * 0.3), r * 0.6, r * 0.45, rng, 0.2, 9));
        }
        // Far ridge and forest edge.
        const QPainterPath ridge = RidgePath(196, 10, 0.02, 1003, 4);
        FillVertical(p, ridge, QColor(120, 140, 130), QColor(140, 150, 130), 180, 200);
        for (int i = 0; i < 40; ++i) {
            const double x = rng.Range(0, 512);
            BroadTree(p, rng, x, 200 + rng.Range(0, 4), rng.Range(14, 22), rng.Range(12, 18),
                      QColor(96, 126, 86), QColor(80, 70, 60));
        }
        // The plain.
        QPainterPath plain;
        plain.moveTo(-2, 204);
        plain.cubicTo(150, 200, 350, 206, 514, 200);
        plain.lineTo(514, 322);
        plain.lineTo(-2, 322);
        plain.closeSubpath();
        FillVertical(p, plain, QColor(140, 150, 90), QColor(90, 110, 50), 200, 320);
        Mottle(p, plain, QColor(170, 150, 100), 40, 8, 1004, 0.5, 0.5);
        Mottle(p, plain, QColor(70, 96, 44), 22, 7, 1005, 0.6, 0.55);
        for (int i = 0; i < 10; ++i) {
            const double y = 212 + i * 3;
            Shrub(p, rng, rng.Range(0, 512), y, 14 + i, 10 + i * 0.6, QColor(84, 116, 60),
                  QColor(250, 240, 240), 3);
        }
        PalmLike(p, rng, 330, 226, 60, -0.1, QColor(70, 118, 52), QColor(110, 90, 66), 10, 28);
        PalmLike(p, rng, 350, 228, 46, 0.1, QColor(76, 122, 54), QColor(110, 90, 66), 9, 24);
        BroadTree(p, rng, 120, 236, 80, 60, QColor(84, 124, 62), QColor(90, 74, 58));
        BroadTree(p, rng, 420, 222, 50, 40, QColor(90, 126, 70), QColor(90, 74, 58));
        BroadTree(p, rng, 40, 222, 44, 36, QColor(92, 128, 72), QColor(90, 74, 58));
        Shrub(p, rng, 130, 232, 30, 22, QColor(80, 112, 60), QColor(240, 180, 210), 6);
        Shrub(p, rng, 440, 224, 34, 20, QColor(80, 112, 60), QColor(250, 240, 240), 6);

        Triceratops(p, 26, 220, 0.55, false, QColor(130, 116, 90));
        Triceratops(p, 52, 234, 0.9, false, QColor(124, 110, 84));
        Triceratops(p, 178, 222, 0.5, true, QColor(132, 118, 92));
        Pterosaur(p, 110, 120, 0.8, 6);
        Pterosaur(p, 160, 100, 0.5, -4);
        Pterosaur(p, 420, 60, 0.6, 4);

        Theropod(p, 300, 262, 1.55, true, QColor(118, 98, 72));

        // Foreground: magnolias in bloom and ferns.
        for (int i = 0; i < 40; ++i) {
            const double t = i / 40.0;
            FernClump(p, rng, QPointF(rng.Range(0, 512), 262 + t * 56), 8 + t * 18,
                      QColor(54, 86, 38),
                      Mix(QColor(86, 130, 56), QColor(118, 150, 66), rng.Uniform()));
        }
        Shrub(p, rng, 40, 318, 90, 70, QColor(62, 104, 50), QColor(246, 222, 230), 22);
        Shrub(p, rng, 470, 316, 100, 80, QColor(58, 100, 48), QColor(252, 244, 246), 26);
        Shrub(p, rng, 150, 322, 60, 34, QColor(70, 110, 52), QColor(230, 170, 200), 10);
        for (int i = 0; i < 4; ++i) {
            const QPointF base(200 + i * 60 + rng.Range(-10, 10), 322);
            for (int f = 0; f < 5; ++f) {
                const double dx = (f - 2) * rng.Range(8, 12);
                Frond(p, base, base + QPointF(dx, -34), base + QPointF(dx * 2.2, -14), 7,
                      QColor(50, 84, 36), QColor(92, 140, 60), 14, 1.3);
            }
        }
    }
    return image;
}

}  // namespace orb::art
