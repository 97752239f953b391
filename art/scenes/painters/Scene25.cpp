#include "kit/PaintKit.h"
#include "scenes/ScenePainters.h"
#include "scenes/painters/AgesKit.h"

#include <algorithm>
#include <cmath>

namespace orb::art {

using namespace ages;

namespace {

enum class Top { Flat, Pyramid, Antenna, Slant, Stepped };

// An office tower with a lit face, a shaded side and a distinctive top.
void DrawTower(QPainter& p, double x, double ground, double w, double h, const QColor& c, Top top,
               bool detail, Rng& rng) {
    p.setPen(Qt::NoPen);
    const double side = w * 0.3;
    DrawBlock(p, QRectF(x, ground - h, w, h), side, c, c.darker(150));
    if (detail) {
        DrawWindows(p, QRectF(x + 1, ground - h + 3, w - 2, h - 3),
                    std::max(2, static_cast<int>(w / 4)), std::max(3, static_cast<int>(h / 4)), 0.7,
                    c.darker(125), c.lighter(130), 0.18, rng);
        p.setBrush(QColor(255, 255, 255, 40));
        p.drawRect(QRectF(x, ground - h, w * 0.3, h));
    }
    switch (top) {
        case Top::Flat:
            p.setBrush(c.darker(120));
            p.drawRect(QRectF(x + w * 0.2, ground - h - 4, w * 0.5, 4));
            break;
        case Top::Pyramid: {
            QPolygonF roof;
            roof << QPointF(x, ground - h) << QPointF(x + (w + side) / 2, ground - h - w * 0.7)
                 << QPointF(x + w + side, ground - h);
            p.setBrush(
                Gradient(QPointF(x, 0), QPointF(x + w + side, 0), c.lighter(120), c.darker(140)));
            p.drawPolygon(roof);
            break;
        }
        case Top::Antenna:
            p.setBrush(c.darker(130));
            p.drawRect(QRectF(x + w * 0.3, ground - h - 6, w * 0.4, 6));
            p.drawRect(QRectF(x + w * 0.5 - 0.8, ground - h - 36, 1.6, 32));
            break;
        case Top::Slant: {
            QPolygonF roof;
            roof << QPointF(x, ground - h) << QPointF(x, ground - h - w * 0.8)
                 << QPointF(x + w + side, ground - h);
            p.setBrush(c.lighter(115));
            p.drawPolygon(roof);
            break;
        }
        case Top::Stepped:
            for (int i = 1; i <= 3; ++i) {
                const double sw = w * (1.0 - i * 0.22);
                DrawBlock(p, QRectF(x + (w - sw) / 2, ground - h - i * 6, sw, 6), side * 0.6, c,
                          c.darker(150));
            }
            break;
    }
}

// A suspension bridge: two pylons, the main cable's catenary and hangers.
void DrawSuspensionBridge(QPainter& p, double deck, double x0, double x1, double pylonH) {
    const double pa = x0 + (x1 - x0) * 0.22;
    const double pb = x0 + (x1 - x0) * 0.78;
    const double top = deck - pylonH;
    const QColor steel(200, 70, 50);
    p.setPen(Qt::NoPen);
    p.setBrush(steel.darker(130));
    p.drawRect(QRectF(x0, deck, x1 - x0, 4));
    p.setBrush(steel);
    p.drawRect(QRectF(x0, deck - 1, x1 - x0, 2));
    const auto cableY = [&](double x) {
        if (x < pa) {
            const double t = (x - x0) / (pa - x0);
            return deck - 4 - (pylonH - 4) * t * t;
        }
        if (x > pb) {
            const double t = (x1 - x) / (x1 - pb);
            return deck - 4 - (pylonH - 4) * t * t;
        }
        const double t = (x - (pa + pb) / 2) / ((pb - pa) / 2);
        return deck - 6 - (pylonH - 6) * t * t;
    };
    p.setPen(QPen(steel.darker(110), 0.7));
    for (double x = x0 + 4; x < x1; x += 5) {
        p.drawLine(QPointF(x, cableY(x)), QPointF(x, deck));
    }
    QPainterPath cable;
    cable.moveTo(x0, cableY(x0));
    for (double x = x0; x <= x1; x += 2) {
        cable.lineTo(x, cableY(x));
    }
    p.setPen(QPen(steel, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(cable);
    p.setPen(Qt::NoPen);
    for (double px : {pa, pb}) {
        p.setBrush(steel);
        p.drawRect(QRectF(px - 3, top, 2.5, pylonH + 30));
        p.drawRect(QRectF(px + 1, top, 2.5, pylonH + 30));
        p.drawRect(QRectF(px - 3, top + 4, 6.5, 2.5));
        p.drawRect(QRectF(px - 3, top + pylonH * 0.5, 6.5, 2.5));
    }
}

}  // namespace

// 1971 to 2005: a dense downtown of glass and steel towers across a river,
// a television mast among them and a suspension bridge in front.
QImage PaintScene25() {
    QImage img = NewSceneCanvas();
    const int water = 236;
    const ColorStop sky[] = {
        {0.0, QColor(66, 112, 176)}, {0.6, QColor(156, 176, 206)}, {1.0, QColor(238, 206, 170)}};
    FillSky(img, sky, 3, 0, water);
    ScreenGlow(img, QPointF(470, 120), 220, QColor(255, 220, 170), 0.45);
    CloudStyle clouds{QColor(255, 240, 220), QColor(160, 160, 186), 0.3, 200.0, 20.0, 0.8, 2501};
    PaintClouds(img, 20, 120, clouds);

    Rng rng(25);

    {
        CanvasPainter p(img);

        // Three rows of towers, back to front, each row less hazy.
        const QColor hazes[] = {QColor(170, 180, 200), QColor(130, 144, 170), QColor(0, 0, 0)};
        const QColor palette[] = {QColor(90, 110, 140),  QColor(160, 150, 140), QColor(70, 90, 100),
                                  QColor(180, 170, 160), QColor(110, 120, 130), QColor(60, 74, 96)};
        for (int row = 0; row < 3; ++row) {
            double x = row * 7.0 - 10;
            const double ground = water - 8 + row * 3;
            while (x < kWidth) {
                const double w = rng.Range(12, 26) + row * 4;
                const double centre = 1.0 - std::abs(x - 260) / 320.0;
                const double h = rng.Range(40, 80) + centre * rng.Range(30, 110) - row * 10;
                QColor c = palette[rng.Int(0, 5)];
                if (row < 2) {
                    c = Mix(c, hazes[row], row == 0 ? 0.65 : 0.35);
                }
                const Top tops[] = {Top::Flat, Top::Pyramid, Top::Antenna, Top::Slant,
                                    Top::Stepped};
                DrawTower(p, x, ground, w, h, c, tops[rng.Int(0, 4)], row > 0, rng);
                if (row == 0 && std::abs(x - 300) < 14) {
                    // The television mast rising over the back row.
                    p.setBrush(QColor(180, 186, 196));
                    QPolygonF mast;
                    mast << QPointF(x + 4, ground) << QPointF(x + 8, ground - 200)
                         << QPointF(x + 10, ground - 200) << QPointF(x + 14, ground);
                    p.drawPolygon(mast);
                    p.drawEllipse(QPointF(x + 9, ground - 150), 9, 5);
                    p.setBrush(QColor(150, 156, 170));
                    p.drawRect(QRectF(x + 5, ground - 150, 8, 4));
                    p.drawRect(QRectF(x + 8.4, ground - 232, 1.2, 32));
                }
                x += w + rng.Range(1, 8) + row * 3;
            }
        }
        // A pair of twin towers on the right of the core.
        DrawTower(p, 350, water - 2, 18, 170, QColor(150, 156, 168), Top::Flat, true, rng);
        DrawTower(p, 376, water - 2, 18, 176, QColor(150, 156, 168), Top::Antenna, true, rng);
        // Embankment along the far shore.
        p.setBrush(QColor(120, 120, 118));
        p.drawRect(QRectF(0, water - 4, kWidth, 4));
        p.setBrush(Gradient(QPointF(0, water), QPointF(0, water + 8), QColor(150, 140, 128),
                            QColor(96, 92, 90)));
        p.drawRect(QRectF(0, water, kWidth, 8));
    }
    Haze(img, 60, water, QColor(236, 214, 190), 0.0, 0.25, HazeRamp::Smooth);

    {
        CanvasPainter p(img);
        DrawSuspensionBridge(p, 240, -30, 380, 78);
    }

    WaterStyle river{
        QColor(110, 130, 160), QColor(50, 70, 100), 0.6, 3.0, 0.45, QColor(255, 230, 190), 2502};
    PaintWater(img, water + 8, 320, river);

    {
        CanvasPainter p(img);
        // Riverside promenade in the near right corner with a rail and trees.
        QPolygonF quay;
        quay << QPointF(300, 320) << QPointF(360, 292) << QPointF(520, 284) << QPointF(520, 320);
        p.setBrush(Gradient(QPointF(0, 284), QPointF(0, 320), QColor(176, 170, 160),
                            QColor(120, 116, 110)));
        p.drawPolygon(quay);
        p.setBrush(QColor(90, 86, 82));
        QPolygonF edge;
        edge << QPointF(300, 320) << QPointF(360, 292) << QPointF(360, 296) << QPointF(306, 320);
        p.drawPolygon(edge);
        p.setPen(QPen(QColor(50, 54, 60), 1.2));
        p.drawLine(QPointF(312, 304), QPointF(366, 280));
        p.drawLine(QPointF(366, 280), QPointF(520, 272));
        for (int i = 0; i < 12; ++i) {
            const double t = i / 11.0;
            const double px = 312 + (520 - 312) * t;
            const double py = t < 0.26 ? 304 - t / 0.26 * 24 : 280 - (t - 0.26) / 0.74 * 8;
            p.drawLine(QPointF(px, py), QPointF(px, py + 12));
        }
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 3; ++i) {
            DrawLeafyTree(p, 410 + i * 40, 290 - i * 1, 50 + i * 4, QColor(80, 120, 60),
                          QColor(70, 56, 44), rng);
        }
        DrawPerson(p, 392, 296, 18, QColor(40, 50, 90));
        DrawPerson(p, 470, 294, 17, QColor(170, 50, 50));
        // A tour boat on the river.
        p.setBrush(QColor(240, 240, 236));
        QPolygonF boat;
        boat << QPointF(140, 282) << QPointF(220, 282) << QPointF(212, 292) << QPointF(146, 292);
        p.drawPolygon(boat);
        p.setBrush(QColor(60, 80, 120));
        p.drawRect(QRectF(154, 274, 50, 8));
        p.setBrush(QColor(180, 210, 230));
        p.drawRect(QRectF(158, 276, 42, 3));
        p.setBrush(QColor(255, 255, 255, 120));
        p.drawRect(QRectF(220, 290, 40, 2));
    }
    return img;
}

}  // namespace orb::art
