#include <cmath>

#include "kit/PaintKit.h"
#include "scenes/ScenePainters.h"
#include "scenes/painters/LifeKit.h"

namespace orb::art {

namespace {

// A woolly rhinoceros: long front horn, shaggy hump.
void WoollyRhino(QPainter& p, double x, double groundY, double s, bool left) {
    p.save();
    p.translate(x, groundY);
    p.scale(left ? -s : s, s);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 45));
    p.drawEllipse(QPointF(0, 0), 30, 3);
    const QColor fur(120, 92, 64);
    QPainterPath far = Tube({14, -16}, {14, -8}, {14, 0}, 8, 7);
    far = far.united(Tube({-16, -16}, {-16, -8}, {-15, 0}, 9, 7));
    FillShaded(p, far, fur.darker(140), -24, 0);
    QPainterPath b;
    b.addEllipse(QPointF(0, -22), 26, 13);
    QPainterPath hump;
    hump.addEllipse(QPointF(12, -28), 12, 11);
    b = b.united(hump);
    b = b.united(Tube({22, -26}, {30, -22}, {38, -14}, 13, 9));
    b = b.united(Tube({8, -14}, {8, -7}, {9, 0}, 9, 8));
    b = b.united(Tube({-18, -16}, {-19, -7}, {-17, 0}, 10, 8));
    FillShaded(p, b, fur, -40, 0);
    p.setBrush(QColor(200, 190, 170));
    p.drawPath(Tube({38, -17}, {44, -24}, {44, -36}, 5, 0.8));
    p.drawPath(Tube({33, -21}, {35, -25}, {35, -28}, 3, 0.6));
    p.setBrush(QColor(20, 15, 10));
    p.drawEllipse(QPointF(30, -22), 1, 1);
    p.restore();
}

}  // namespace

// An ice age: the edge of a continental ice sheet towers over a cold,
// dry steppe streaked with snow, where woolly mammoths and a woolly
// rhinoceros graze among snow-dusted spruces.
QImage PaintScene15() {
    using namespace life;
    QImage image = NewSceneCanvas();
    const ColorStop sky[] = {
        {0.0, QColor(104, 150, 206)}, {0.6, QColor(180, 206, 230)}, {1.0, QColor(228, 236, 242)}};
    FillSky(image, sky, 3, 0, 190);
    PaintClouds(image, 0, 120,
                RecedingClouds(
                    {QColor(252, 253, 255), QColor(180, 192, 212), 0.4, 140.0, 22.0, 0.8, 1501}));
    Rng rng(0x1515);
    {
        CanvasPainter p(image);
        Glow(p, QPointF(440, 46), 70, QColor(255, 252, 240), 0.55);
        // Snowy peaks poking out of the ice.
        const QPainterPath peaks = RidgePath(100, 46, 0.012, 1502, 5, 0.8);
        FillVertical(p, peaks, QColor(150, 164, 192), QColor(196, 206, 226), 50, 150);
        Mottle(p, peaks, QColor(246, 248, 255), 9, 16, 1503, 0.9, 0.42);
        // The ice sheet: a long, nearly flat dome ending in a high cliff.
        const auto cliffTop = [](double x) {
            return 150 - 8 * std::sin(x * 0.005) + 5 * (Fbm(x * 0.05, 0.2, 3, 1504) - 0.5);
        };
        QPainterPath surface;
        surface.moveTo(-2, 160);
        for (int x = -2; x <= 514; x += 4) {
            surface.lineTo(x, 128 - 6 * std::sin(x * 0.004 + 1.0));
        }
        surface.lineTo(514, 160);
        surface.closeSubpath();
        FillVertical(p, surface, QColor(236, 242, 250), QColor(252, 254, 255), 120, 150);
        QPainterPath cliff;
        cliff.moveTo(-2, 204);
        for (int x = -2; x <= 514; x += 3) {
            // Seracs: the cliff edge breaks into blocks.
            const double block = 5.0 * ValueNoise(std::floor(x / 7.0), 0.0, 1509);
            cliff.lineTo(x, cliffTop(x) + block);
        }
        cliff.lineTo(514, 204);
        cliff.closeSubpath();
        FillVertical(p, cliff, QColor(206, 228, 244), QColor(120, 170, 212), 140, 204);
        p.save();
        p.setClipPath(cliff);
        for (int i = 0; i < 110; ++i) {
            const double x = rng.Range(0, 512);
            const double top = cliffTop(x) + rng.Range(0, 8);
            const double len = rng.Range(14, 50);
            p.setPen(QPen(QColor(70, 120, 180, static_cast<int>(rng.Range(60, 140))),
                          rng.Range(1.0, 3.0)));
            p.drawLine(QPointF(x, top), QPointF(x + rng.Range(-2, 2), top + len));
        }
        p.setPen(QPen(QColor(255, 255, 255, 160), 2.0));
        for (int i = 0; i < 40; ++i) {
            const double x = rng.Range(0, 512);
            const double top = cliffTop(x) + 2;
            p.drawLine(QPointF(x, top), QPointF(x, top + rng.Range(6, 20)));
        }
        p.restore();
        p.setPen(Qt::NoPen);
        // Moraine and outwash plain in front of the ice.
        const QPainterPath moraine = RidgePath(196, 6, 0.025, 1506, 4);
        FillVertical(p, moraine, QColor(150, 146, 140), QColor(170, 164, 150), 188, 214);
        // The steppe: pale tan grass with long drifts of snow.
        QPainterPath steppe;
        steppe.moveTo(-2, 206);
        steppe.cubicTo(150, 200, 350, 210, 514, 202);
        steppe.lineTo(514, 322);
        steppe.lineTo(-2, 322);
        steppe.closeSubpath();
        FillVertical(p, steppe, QColor(196, 180, 136), QColor(160, 136, 90), 200, 320);
        Mottle(p, steppe, QColor(246, 248, 252), 70, 7, 1507, 0.95, 0.55);
        Mottle(p, steppe, QColor(140, 120, 80), 30, 8, 1508, 0.4, 0.55);
        // Spruces on the right, dusted with snow.
        for (int i = 0; i < 9; ++i) {
            const double x = 400 + i * 14 + rng.Range(-6, 6);
            const double y = 214 + rng.Range(0, 6);
            Conifer(p, rng, x, y, rng.Range(34, 50), rng.Range(14, 20), QColor(50, 80, 70), true);
        }
        for (int i = 0; i < 14; ++i) {
            Conifer(p, rng, rng.Range(0, 120), 208 + rng.Range(0, 4), rng.Range(14, 22), 8,
                    QColor(70, 96, 90), true);
        }
        // The herd.
        Mammoth(p, 300, 226, 0.55, true, QColor(130, 92, 62));
        Mammoth(p, 250, 230, 0.75, false, QColor(120, 84, 58));
        Mammoth(p, 226, 234, 0.5, false, QColor(128, 90, 60));
        Mammoth(p, 160, 250, 1.25, false, QColor(118, 80, 52));
        WoollyRhino(p, 390, 268, 1.4, true);
        // Foreground: frosted grass, rocks and snow.
        GrassTufts(p, rng, 262, 322, 200, {QColor(150, 126, 80), QColor(226, 210, 160), 12});
        for (int i = 0; i < 5; ++i) {
            const double x = rng.Range(0, 512);
            const double y = rng.Range(280, 318);
            const double r = rng.Range(8, 16);
            p.setBrush(QColor(110, 108, 106));
            p.drawPath(Blob(QPointF(x, y - r * 0.3), r, r * 0.6, rng, 0.2, 9));
            p.setBrush(QColor(246, 248, 252));
            p.drawPath(Blob(QPointF(x - r * 0.1, y - r * 0.75), r * 0.8, r * 0.25, rng, 0.2, 9));
        }
    }
    return image;
}

}  // namespace orb::art
