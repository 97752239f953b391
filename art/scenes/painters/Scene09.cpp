#include "kit/PaintKit.h"
#include "scenes/ScenePainters.h"
#include "scenes/painters/LifeKit.h"

namespace orb::art {

// A Jurassic river plain: a herd of long-necked sauropods wading past stands
// of monkey-puzzle conifers, with cycads and ferns in the foreground.
QImage PaintScene09() {
    using namespace life;
    QImage image = NewSceneCanvas();
    const ColorStop sky[] = {
        {0.0, QColor(58, 112, 188)}, {0.6, QColor(128, 176, 222)}, {1.0, QColor(222, 230, 214)}};
    FillSky(image, sky, 3, 0, 180);
    PaintClouds(image, 0, 150,
                RecedingClouds(
                    {QColor(255, 255, 252), QColor(170, 182, 204), 0.42, 130.0, 38.0, 0.95, 901}));
    Rng rng(0x0909);
    {
        CanvasPainter p(image);
        Glow(p, QPointF(420, 40), 90, QColor(255, 250, 225), 0.5);

        // Far blue mountains, then nearer wooded hills.
        const QPainterPath far = RidgePath(138, 34, 0.012, 911, 5, 0.6);
        FillVertical(p, far, QColor(132, 154, 184), QColor(176, 192, 204), 100, 180);
        const QPainterPath hills = RidgePath(164, 14, 0.02, 912, 4);
        FillVertical(p, hills, QColor(104, 136, 120), QColor(150, 170, 150), 145, 185);
        Mottle(p, hills, QColor(70, 100, 80), 14, 8, 913, 0.45);
        for (int i = 0; i < 36; ++i) {
            const double x = rng.Range(0, 512);
            Araucaria(p, rng, x, 181 + rng.Range(-1, 2), rng.Range(16, 26), QColor(74, 106, 84),
                      QColor(90, 80, 70));
        }
        p.setBrush(QColor(120, 140, 100));
        p.drawRect(QRectF(0, 180, 512, 3));
    }

    ReflectWater(image, 182, 182, 320, QColor(70, 120, 140), 0.3, 0.55, 914, 8);

    {
        CanvasPainter p(image);
        // The near bank curves out of the water on both sides.
        QPainterPath bank;
        bank.moveTo(-2, 205);
        bank.cubicTo(90, 198, 140, 230, 210, 238);
        bank.cubicTo(300, 248, 380, 226, 440, 214);
        bank.cubicTo(470, 208, 500, 204, 514, 204);
        bank.lineTo(514, 322);
        bank.lineTo(-2, 322);
        bank.closeSubpath();
        FillVertical(p, bank, QColor(128, 142, 80), QColor(84, 100, 52), 200, 320);
        Mottle(p, bank, QColor(150, 130, 80), 30, 10, 915, 0.5, 0.5);

        // The herd, the far ones smaller and paler.
        Sauropod(p, 250, 214, 0.55, true, QColor(128, 124, 112));
        Sauropod(p, 330, 219, 0.75, false, QColor(118, 110, 96));
        Sauropod(p, 150, 228, 1.05, false, QColor(112, 102, 86));
        // The two in the river stand in it to the ankles.
        for (const QRectF& wade : {QRectF(226, 208, 44, 7), QRectF(290, 212, 70, 8)}) {
            p.setBrush(Gradient(QPointF(0, wade.top()), QPointF(0, wade.bottom()),
                                QColor(120, 170, 190, 90), QColor(100, 150, 172, 200)));
            p.drawRect(wade);
            p.setBrush(QColor(255, 255, 255, 70));
            p.drawEllipse(QRectF(wade.left() - 6, wade.top() - 1.5, wade.width() + 12, 3));
        }

        // No grass yet: ferns and low horsetails carpet the bank.
        for (int i = 0; i < 70; ++i) {
            const double t = i / 70.0;
            const double y = 236 + t * 80;
            const QPointF base(rng.Range(0, 512), y);
            if (rng.Uniform() < 0.2) {
                Horsetail(p, rng, base.x(), y, 10 + t * 26, 1 + t * 1.5, QColor(110, 130, 60),
                          QColor(90, 130, 56));
            } else {
                FernClump(p, rng, base, 6 + t * 22, QColor(60, 90, 40),
                          Mix(QColor(90, 128, 56), QColor(120, 150, 64), rng.Uniform()));
            }
        }
        Araucaria(p, rng, 30, 330, 300, QColor(54, 86, 56), QColor(100, 78, 60));
        Cycad(p, rng, 440, 305, 80, QColor(70, 120, 50), QColor(120, 96, 60));
        Cycad(p, rng, 95, 318, 60, QColor(80, 128, 54), QColor(112, 90, 58));
        Cycad(p, rng, 500, 285, 48, QColor(76, 118, 56), QColor(110, 90, 60));
        for (int i = 0; i < 6; ++i) {
            const double x = 180 + i * 50 + rng.Range(-10, 10);
            const QPointF base(x, 318 + rng.Range(0, 4));
            for (int f = 0; f < 5; ++f) {
                const double dx = (f - 2) * rng.Range(8, 14);
                Frond(p, base, base + QPointF(dx * 0.8, -28), base + QPointF(dx * 2.0, -12), 7,
                      QColor(60, 90, 40), QColor(96, 140, 60), 14, 1.2);
            }
        }
    }
    return image;
}

}  // namespace orb::art
