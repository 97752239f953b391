#include "kit/PaintKit.h"
#include "scenes/ScenePainters.h"
#include "scenes/painters/AgesKit.h"

#include <algorithm>
#include <cmath>

namespace orb::art {

using namespace ages;

namespace {

// A pyramid seen slightly from one corner: sunlit west face, shaded south face.
void DrawPyramid(QPainter& p, double cx, double base, double halfW, double h) {
    const QPointF apex(cx + halfW * 0.12, base - h);
    const QPointF left(cx - halfW, base);
    const QPointF corner(cx + halfW * 0.25, base + 4);
    const QPointF right(cx + halfW * 1.05, base - 1);
    p.setPen(Qt::NoPen);
    QPolygonF lit;
    lit << apex << left << corner;
    p.setBrush(Gradient(apex, QPointF(cx, base), QColor(246, 220, 160), QColor(222, 188, 128)));
    p.drawPolygon(lit);
    QPolygonF shade;
    shade << apex << corner << right;
    p.setBrush(Gradient(apex, QPointF(cx, base), QColor(190, 150, 104), QColor(164, 126, 86)));
    p.drawPolygon(shade);
    // Courses of stone as faint lines across both faces.
    p.setPen(QPen(QColor(120, 90, 60, 40), 1.0));
    const int courses = static_cast<int>(h / 5);
    for (int i = 1; i < courses; ++i) {
        const double t = static_cast<double>(i) / courses;
        p.drawLine(apex + (left - apex) * t, apex + (corner - apex) * t);
        p.drawLine(apex + (corner - apex) * t, apex + (right - apex) * t);
    }
    // A polished capstone catching the sun.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 240, 190));
    QPolygonF cap;
    cap << apex << apex + (left - apex) * 0.06 << apex + (corner - apex) * 0.06;
    p.drawPolygon(cap);
}

void DrawPapyrus(QPainter& p, double x, double ground, double h, double lean, Rng& rng) {
    const QPointF top(x + lean, ground - h);
    p.setPen(QPen(QColor(70, 120, 50), 1.2));
    p.drawLine(QPointF(x, ground), top);
    p.setPen(Qt::NoPen);
    p.setBrush(rng.Uniform() < 0.5 ? QColor(120, 160, 64) : QColor(96, 140, 56));
    QPainterPath head;
    const double r = h * 0.16;
    head.moveTo(top);
    head.lineTo(top + QPointF(-r, -r * 0.9));
    head.quadTo(top + QPointF(0, -r * 1.35), top + QPointF(r, -r * 0.9));
    head.closeSubpath();
    p.drawPath(head);
}

void DrawFelucca(QPainter& p, double x, double water, double s) {
    // A broken reflection of the sail first, under the hull.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 226, 214, 70));
    QPolygonF mirror;
    mirror << QPointF(x - s * 0.55, water + s * 0.3) << QPointF(x + s * 0.55, water + s * 0.25)
           << QPointF(x + s * 0.5, water + s * 1.6);
    p.drawPolygon(mirror);
    QPolygonF hull;
    hull << QPointF(x - s, water - s * 0.4) << QPointF(x + s * 1.15, water - s * 0.46)
         << QPointF(x + s * 0.75, water) << QPointF(x - s * 0.7, water);
    p.setBrush(Gradient(QPointF(0, water - s * 0.45), QPointF(0, water), QColor(150, 100, 58),
                        QColor(84, 54, 32)));
    p.drawPolygon(hull);
    p.setPen(QPen(QColor(70, 50, 30), 1.5));
    p.drawLine(QPointF(x, water - s * 0.4), QPointF(x, water - s * 1.3));
    p.drawLine(QPointF(x - s * 0.6, water - s * 0.35), QPointF(x + s * 0.45, water - s * 2.0));
    p.setPen(Qt::NoPen);
    QPainterPath sail;
    sail.moveTo(x + s * 0.45, water - s * 2.0);
    sail.quadTo(x + s * 0.75, water - s * 0.9, x + s * 0.55, water - s * 0.3);
    sail.lineTo(x - s * 0.55, water - s * 0.36);
    sail.closeSubpath();
    p.setBrush(Gradient(QPointF(x - s * 0.5, 0), QPointF(x + s * 0.7, 0), QColor(250, 244, 228),
                        QColor(204, 192, 170)));
    p.drawPath(sail);
}

}  // namespace

// Bronze Age Egypt: the pyramids on the desert edge above the Nile, palms on
// the far bank, a felucca on the river, papyrus in the foreground.
QImage PaintScene17() {
    QImage img = NewSceneCanvas();
    const ColorStop sky[] = {
        {0.0, QColor(64, 124, 196)}, {0.6, QColor(150, 188, 220)}, {1.0, QColor(238, 220, 180)}};
    FillSky(img, sky, 3, 0, 214);
    ScreenGlow(img, QPointF(70, 40), 150, QColor(255, 246, 210), 0.9);
    ScreenGlow(img, QPointF(70, 40), 16, QColor(255, 255, 245), 1.0);
    CloudStyle clouds{QColor(250, 246, 236), QColor(200, 196, 200), 0.22, 160.0, 14.0, 0.6, 1701};
    PaintClouds(img, 20, 120, clouds);

    LandStyle plateau{196,
                      14,
                      0.004,
                      3,
                      false,
                      QColor(226, 198, 150),
                      QColor(214, 178, 122),
                      0.3,
                      QColor(240, 214, 160),
                      70.0,
                      1702};
    PaintLand(img, plateau);

    Rng rng(17);
    {
        CanvasPainter p(img);
        DrawPyramid(p, 360, 192, 34, 40);
        DrawPyramid(p, 270, 194, 52, 62);
        DrawPyramid(p, 150, 196, 74, 92);
    }
    Haze(img, 150, 200, QColor(236, 216, 176), 0.0, 0.3, HazeRamp::Smooth);
    {
        CanvasPainter p(img);

        // The green strip of fields and palms on the far bank.
        p.setPen(Qt::NoPen);
        p.setBrush(
            Gradient(QPointF(0, 196), QPointF(0, 214), QColor(132, 150, 72), QColor(88, 120, 52)));
        QPainterPath bank;
        bank.moveTo(0, 214);
        bank.lineTo(0, 202);
        for (int x = 0; x <= kWidth; x += 16) {
            bank.lineTo(x, 198 + 3 * std::sin(x * 0.05));
        }
        bank.lineTo(kWidth, 214);
        bank.closeSubpath();
        p.drawPath(bank);
        for (int i = 0; i < 30; ++i) {
            const double x = rng.Range(0, kWidth);
            DrawPalm(p, x, rng.Range(203, 212), rng.Range(16, 30), rng.Range(-0.15, 0.15),
                     QColor(70, 110, 46), QColor(110, 86, 56), rng);
        }
        p.setBrush(QColor(200, 176, 130));
        p.drawRect(QRectF(0, 212, kWidth, 2));
    }

    WaterStyle river{
        QColor(96, 140, 160), QColor(48, 92, 116), 0.55, 3.0, 0.5, QColor(255, 250, 230), 1703};
    PaintWater(img, 214, 320, river);

    {
        CanvasPainter p(img);
        DrawFelucca(p, 330, 248, 24);
        DrawFelucca(p, 440, 226, 9);

        // Near bank of mud and reeds.
        p.setPen(Qt::NoPen);
        QPainterPath shore;
        shore.moveTo(0, 320);
        shore.lineTo(0, 272);
        shore.cubicTo(120, 268, 200, 292, 300, 304);
        shore.cubicTo(380, 314, 460, 318, 512, 316);
        shore.lineTo(512, 320);
        shore.closeSubpath();
        p.setBrush(
            Gradient(QPointF(0, 270), QPointF(0, 320), QColor(150, 120, 80), QColor(104, 80, 54)));
        p.drawPath(shore);
        for (int i = 0; i < 60; ++i) {
            const double x = rng.Range(-5, 250) * (i < 40 ? 1.0 : 0.5);
            const double g = 282 + rng.Range(0, 40) - x * 0.02;
            DrawPapyrus(p, x, g, rng.Range(24, 52), rng.Range(-6, 6), rng);
        }
        DrawBird(p, 300, 80, 9, QColor(40, 40, 50));
        DrawBird(p, 318, 90, 7, QColor(40, 40, 50));
    }
    return img;
}

}  // namespace orb::art
