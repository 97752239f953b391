#include "kit/PaintKit.h"
#include "scenes/ScenePainters.h"
#include "scenes/painters/LifeKit.h"

namespace orb::art {

// A Carboniferous coal swamp: ranks of scale trees and giant horsetails
// fading into the humid haze, tree ferns on the banks, still black water,
// and a giant dragonfly crossing the foreground.
QImage PaintScene08() {
    using namespace life;
    QImage image = NewSceneCanvas();
    const ColorStop sky[] = {
        {0.0, QColor(170, 196, 176)}, {0.6, QColor(214, 222, 190)}, {1.0, QColor(232, 230, 200)}};
    FillSky(image, sky, 3, 0, 206);
    PaintClouds(image, 0, 120,
                RecedingClouds(
                    {QColor(246, 246, 230), QColor(190, 200, 180), 0.45, 150.0, 40.0, 0.6, 801}));
    const QColor haze(214, 222, 192);
    Rng rng(0x0808);

    // Three ranks of forest, each hazed before the next is painted.
    const struct {
        int count;
        double h0, h1, w;
        double base;
        double haze;
    } ranks[3] = {
        {16, 110, 170, 4, 204, 0.62}, {11, 150, 220, 6.5, 206, 0.4}, {6, 200, 260, 9, 208, 0.18}};
    for (const auto& r : ranks) {
        {
            CanvasPainter p(image);
            for (int i = 0; i < r.count; ++i) {
                const double x = (i + rng.Range(0.1, 0.9)) * 512.0 / r.count;
                const double h = rng.Range(r.h0, r.h1);
                if (rng.Uniform() < 0.6) {
                    ScaleTree(p, rng, x, r.base, h, r.w, QColor(96, 92, 70), QColor(70, 110, 50));
                } else {
                    Horsetail(p, rng, x, r.base, h * 0.6, r.w * 0.8, QColor(104, 120, 64),
                              QColor(78, 118, 50));
                }
            }
            for (int i = 0; i < r.count; ++i) {
                PalmLike(p, rng, rng.Range(0, 512), r.base + 1, rng.Range(20, 34),
                         rng.Range(-0.15, 0.15), QColor(80, 120, 52), QColor(90, 80, 60), 9, 18);
            }
            p.setBrush(QColor(80, 96, 56));
            p.drawRect(QRectF(0, r.base - 1, 512, 3));
        }
        Haze(image, 0, 212, haze, r.haze, r.haze);
    }

    ReflectWater(image, 208, 208, 320, QColor(46, 58, 36), 0.35, 0.6, 802, 6);

    {
        CanvasPainter p(image);
        // Sunbeams slanting through the canopy.
        for (int i = 0; i < 5; ++i) {
            const double x0 = 60 + i * 80 + rng.Range(-20, 20);
            p.setBrush(Gradient(QPointF(0, 0), QPointF(0, 240), QColor(255, 252, 220, 70),
                                QColor(255, 252, 220, 0)));
            QPolygonF beam;
            const double w = rng.Range(10, 24);
            beam << QPointF(x0, 0) << QPointF(x0 + w, 0) << QPointF(x0 + w + 90, 240)
                 << QPointF(x0 + 80, 240);
            p.drawPolygon(beam);
        }
        // Left bank with ferns and a fallen log.
        QPainterPath bank;
        bank.moveTo(-2, 232);
        bank.cubicTo(60, 228, 150, 250, 210, 322);
        bank.lineTo(-2, 322);
        bank.closeSubpath();
        FillVertical(p, bank, QColor(86, 96, 52), QColor(48, 52, 30), 228, 320);
        Mottle(p, bank, QColor(110, 130, 60), 14, 6, 803, 0.6);
        const QPainterPath log =
            Tube(QPointF(-10, 268), QPointF(90, 262), QPointF(170, 288), 16, 12);
        FillShaded(p, log, QColor(96, 76, 52), 256, 296);
        p.setBrush(QColor(150, 120, 80));
        p.drawEllipse(QPointF(170, 288), 4, 6);
        PalmLike(p, rng, 40, 250, 70, 0.1, QColor(70, 122, 48), QColor(84, 70, 50), 12, 50);
        for (int i = 0; i < 8; ++i) {
            const QPointF base(rng.Range(0, 170), rng.Range(282, 318));
            for (int f = 0; f < 6; ++f) {
                const double dx = (f - 2.5) * rng.Range(6, 10);
                Frond(p, base, base + QPointF(dx, -30), base + QPointF(dx * 2.4, -10), 7,
                      QColor(50, 80, 36), QColor(90, 140, 60), 14, 1.2);
            }
        }
        // A giant trunk framing the right edge.
        ScaleTree(p, rng, 478, 330, 420, 22, QColor(90, 84, 62), QColor(64, 104, 44));
        Horsetail(p, rng, 420, 326, 200, 7, QColor(110, 126, 66), QColor(84, 126, 52));
        Horsetail(p, rng, 395, 330, 150, 5, QColor(104, 120, 62), QColor(80, 120, 50));

        Dragonfly(p, 270, 150, 1.5, -12, QColor(70, 100, 80));
        Dragonfly(p, 150, 90, 0.55, 20, QColor(80, 100, 90));
    }
    return image;
}

}  // namespace orb::art
