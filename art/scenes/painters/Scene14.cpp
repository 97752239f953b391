#include <cmath>

#include "kit/PaintKit.h"
#include "scenes/ScenePainters.h"
#include "scenes/painters/LifeKit.h"

namespace orb::art {

// The warm world between the ice ages: golden savanna under a wide sky, a
// snow-capped volcano on the horizon, flat-topped acacias, elephants and
// antelope, and a small band of upright hominids walking through the grass.
QImage PaintScene14() {
    using namespace life;
    QImage image = NewSceneCanvas();
    const ColorStop sky[] = {
        {0.0, QColor(74, 134, 200)}, {0.6, QColor(160, 196, 222)}, {1.0, QColor(246, 226, 188)}};
    FillSky(image, sky, 3, 0, 190);
    PaintClouds(image, 20, 130,
                RecedingClouds(
                    {QColor(255, 252, 246), QColor(190, 186, 196), 0.35, 150.0, 16.0, 0.9, 1401}));
    Rng rng(0x1414);
    {
        CanvasPainter p(image);
        // A lone volcano on the horizon with a cap of snow.
        QPainterPath mountain;
        mountain.moveTo(20, 182);
        mountain.cubicTo(90, 170, 130, 110, 160, 100);
        mountain.cubicTo(180, 96, 210, 97, 226, 102);
        mountain.cubicTo(260, 116, 300, 170, 380, 182);
        mountain.closeSubpath();
        FillVertical(p, mountain, QColor(112, 124, 160), QColor(176, 178, 188), 96, 182);
        QPainterPath snow;
        snow.moveTo(146, 110);
        snow.cubicTo(156, 100, 170, 96, 192, 96);
        snow.cubicTo(210, 97, 222, 100, 236, 110);
        snow.lineTo(226, 114);
        snow.lineTo(214, 108);
        snow.lineTo(204, 116);
        snow.lineTo(190, 108);
        snow.lineTo(176, 117);
        snow.lineTo(164, 109);
        snow.closeSubpath();
        p.setBrush(QColor(244, 246, 252));
        p.drawPath(snow);
        Mottle(p, mountain, QColor(110, 124, 156), 10, 24, 1402, 0.45, 0.5);

        // Far plain with a haze of distant trees.
        const QPainterPath far = RidgePath(186, 4, 0.02, 1403, 3);
        FillVertical(p, far, QColor(200, 186, 140), QColor(206, 178, 120), 180, 210);
        for (int i = 0; i < 30; ++i) {
            Acacia(p, rng, rng.Range(0, 512), 188 + rng.Range(0, 6), rng.Range(8, 13),
                   rng.Range(14, 22), QColor(128, 140, 100), QColor(110, 100, 86));
        }
        // Nearer plain, golden, with shadows of clouds.
        QPainterPath plain;
        plain.moveTo(-2, 198);
        plain.cubicTo(150, 194, 350, 202, 514, 196);
        plain.lineTo(514, 322);
        plain.lineTo(-2, 322);
        plain.closeSubpath();
        FillVertical(p, plain, QColor(214, 180, 104), QColor(176, 136, 66), 196, 320);
        Mottle(p, plain, QColor(160, 120, 60), 60, 10, 1404, 0.4, 0.5);
        Mottle(p, plain, QColor(232, 206, 130), 30, 6, 1405, 0.45, 0.55);
        // Mid acacias and a termite mound.
        Acacia(p, rng, 410, 224, 70, 110, QColor(92, 118, 56), QColor(90, 70, 52));
        Acacia(p, rng, 60, 214, 46, 70, QColor(100, 124, 62), QColor(96, 76, 56));
        Acacia(p, rng, 300, 206, 30, 46, QColor(110, 130, 70), QColor(96, 76, 56));
        FillShaded(p, Tube(QPointF(336, 228), QPointF(338, 220), QPointF(335, 212), 20, 6),
                   QColor(170, 110, 70), 210, 236);
        // Elephants under the big acacia, antelope grazing to the left.
        Mammoth(p, 390, 232, 0.62, true, QColor(128, 120, 116), false);
        Mammoth(p, 442, 236, 0.7, false, QColor(120, 112, 108), false);
        Mammoth(p, 468, 234, 0.36, false, QColor(126, 118, 112), false);
        const UngulateShape ante{
            18, 8, 11, 8, false, true, QColor(170, 110, 60), QColor(236, 220, 200)};
        const UngulateShape grazer{
            18, 8, 11, 8, true, true, QColor(162, 104, 58), QColor(236, 220, 200)};
        for (int i = 0; i < 9; ++i) {
            const double x = 100 + i * 18 + rng.Range(-6, 6);
            const double y = 214 + rng.Range(0, 10);
            Ungulate(p, x, y, 0.55 + (y - 214) * 0.02, rng.Uniform() < 0.4,
                     rng.Uniform() < 0.5 ? ante : grazer);
        }
        // Hominids crossing the foreground.
        GrassTufts(p, rng, 240, 280, 160, {QColor(170, 130, 60), QColor(236, 204, 130), 9});
        Hominid(p, 220, 284, 1.7, false, 0.8, QColor(110, 76, 52));
        Hominid(p, 252, 280, 1.6, false, -0.6, QColor(100, 70, 48));
        Hominid(p, 282, 288, 1.45, false, 0.5, QColor(116, 80, 56));
        GrassTufts(p, rng, 282, 326, 220, {QColor(160, 120, 50), QColor(240, 210, 130), 16});
        // Seed heads on the nearest grass.
        for (int i = 0; i < 40; ++i) {
            const QPointF c(rng.Range(0, 512), rng.Range(290, 312));
            p.setBrush(QColor(226, 196, 130));
            p.drawEllipse(c, 1.2, 3.2);
        }
    }
    return image;
}

}  // namespace orb::art
