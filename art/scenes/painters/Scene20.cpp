#include "kit/PaintKit.h"
#include "scenes/ScenePainters.h"
#include "scenes/painters/AgesKit.h"

#include <algorithm>
#include <cmath>

namespace orb::art {

using namespace ages;

namespace {

const QColor kStoneLit(226, 208, 174);
const QColor kStoneShade(160, 140, 116);

// A town house: lime-washed front, shaded side, steep tiled roof.
void DrawHouse(QPainter& p, double x, double ground, double w, double h, Rng& rng) {
    const QColor walls[] = {QColor(238, 226, 200), QColor(226, 200, 160), QColor(214, 190, 170),
                            QColor(240, 214, 170)};
    const QColor wall = walls[rng.Int(0, 3)];
    p.setPen(Qt::NoPen);
    p.setBrush(wall);
    p.drawRect(QRectF(x, ground - h, w, h));
    p.setBrush(wall.darker(135));
    p.drawRect(QRectF(x + w, ground - h + 1, w * 0.25, h));
    QPolygonF roof;
    const double rh = w * rng.Range(0.5, 0.8);
    roof << QPointF(x - 1, ground - h) << QPointF(x + w * 0.5, ground - h - rh)
         << QPointF(x + w * 1.25, ground - h - rh + 1) << QPointF(x + w * 1.3, ground - h)
         << QPointF(x + w + 1, ground - h);
    const QColor tile = Mix(QColor(186, 84, 50), QColor(150, 70, 46), rng.Uniform());
    p.setBrush(tile);
    p.drawPolygon(roof);
    QPolygonF gable;
    gable << QPointF(x - 1, ground - h) << QPointF(x + w * 0.5, ground - h - rh)
          << QPointF(x + w + 1, ground - h);
    p.setBrush(tile.lighter(112));
    p.drawPolygon(gable);
    p.setBrush(QColor(70, 56, 50));
    if (h > 8) {
        p.drawRect(QRectF(x + w * 0.25, ground - h * 0.7, w * 0.15, h * 0.22));
        p.drawRect(QRectF(x + w * 0.6, ground - h * 0.7, w * 0.15, h * 0.22));
    }
}

// A Gothic cathedral seen side-on: twin west towers with spires, a tall nave
// with pointed windows and flying buttresses, and a crossing spire.
void DrawCathedral(QPainter& p, double x, double ground) {
    p.setPen(Qt::NoPen);
    // Nave and choir.
    const double naveL = x + 36;
    const double naveR = x + 150;
    const double naveTop = ground - 56;
    p.setBrush(Gradient(QPointF(0, naveTop), QPointF(0, ground), kStoneLit, kStoneShade));
    p.drawRect(QRectF(naveL, naveTop, naveR - naveL, 56));
    QPolygonF roof;
    roof << QPointF(naveL, naveTop) << QPointF(naveL + 6, naveTop - 20)
         << QPointF(naveR - 6, naveTop - 20) << QPointF(naveR + 6, naveTop);
    p.setBrush(QColor(90, 100, 116));
    p.drawPolygon(roof);
    // Buttresses and windows between them.
    for (int i = 0; i < 7; ++i) {
        const double bx = naveL + 6 + i * 16;
        p.setBrush(kStoneShade);
        p.drawRect(QRectF(bx, naveTop + 10, 4, 46));
        QPolygonF pin;
        pin << QPointF(bx, naveTop + 10) << QPointF(bx + 2, naveTop - 2)
            << QPointF(bx + 4, naveTop + 10);
        p.drawPolygon(pin);
        if (i < 6) {
            QPainterPath win;
            const double wx = bx + 7;
            win.moveTo(wx, naveTop + 40);
            win.lineTo(wx, naveTop + 16);
            win.quadTo(wx + 3, naveTop + 8, wx + 6, naveTop + 16);
            win.lineTo(wx + 6, naveTop + 40);
            win.closeSubpath();
            p.setBrush(QColor(60, 70, 100));
            p.drawPath(win);
        }
    }
    // Crossing spire.
    p.setBrush(kStoneLit);
    p.drawRect(QRectF(naveL + 70, naveTop - 34, 14, 34));
    QPolygonF cs;
    cs << QPointF(naveL + 69, naveTop - 34) << QPointF(naveL + 77, naveTop - 84)
       << QPointF(naveL + 85, naveTop - 34);
    p.setBrush(QColor(96, 106, 120));
    p.drawPolygon(cs);
    // West towers.
    for (int t = 0; t < 2; ++t) {
        const double tx = x + t * 20;
        const double top = ground - 104 + t * 4;
        p.setBrush(Gradient(QPointF(tx, 0), QPointF(tx + 22, 0), kStoneLit, kStoneShade));
        p.drawRect(QRectF(tx, top, 22, ground - top));
        p.setBrush(QColor(70, 70, 86));
        for (int k = 0; k < 3; ++k) {
            QPainterPath w;
            const double wy = top + 12 + k * 26;
            w.moveTo(tx + 8, wy + 14);
            w.lineTo(tx + 8, wy + 5);
            w.quadTo(tx + 11, wy, tx + 14, wy + 5);
            w.lineTo(tx + 14, wy + 14);
            w.closeSubpath();
            p.drawPath(w);
        }
        QPolygonF spire;
        spire << QPointF(tx - 1, top) << QPointF(tx + 11, top - 62) << QPointF(tx + 23, top);
        p.setBrush(Gradient(QPointF(tx, 0), QPointF(tx + 22, 0), QColor(206, 192, 166),
                            QColor(140, 126, 104)));
        p.drawPolygon(spire);
        p.setBrush(QColor(240, 210, 120));
        p.drawEllipse(QPointF(tx + 11, top - 63), 1.5, 1.5);
    }
    // Rose window on the front tower.
    p.setBrush(QColor(80, 70, 110));
    p.drawEllipse(QPointF(x + 31, ground - 44), 6, 6);
}

// A round wall tower with a conical tiled roof.
void DrawWallTower(QPainter& p, double x, double ground, double w, double h) {
    p.setPen(Qt::NoPen);
    p.setBrush(Gradient(QPointF(x - w / 2, 0), QPointF(x + w / 2, 0), kStoneLit, kStoneShade));
    p.drawRect(QRectF(x - w / 2, ground - h, w, h));
    QPolygonF cone;
    cone << QPointF(x - w * 0.62, ground - h) << QPointF(x, ground - h - w * 1.3)
         << QPointF(x + w * 0.62, ground - h);
    p.setBrush(Gradient(QPointF(x - w / 2, 0), QPointF(x + w / 2, 0), QColor(200, 92, 56),
                        QColor(130, 58, 40)));
    p.drawPolygon(cone);
    p.setBrush(QColor(60, 50, 46));
    p.drawRect(QRectF(x - 1, ground - h * 0.7, 2, 5));
}

// A carrack: round hull, tall fore- and sterncastles, square sails with a red
// cross on the fore and main masts, lateen on the mizzen.
void DrawCarrack(QPainter& p, double x, double water, double s) {
    p.setPen(Qt::NoPen);
    QPainterPath hull;
    hull.moveTo(x - 60 * s, water - 40 * s);
    hull.lineTo(x - 44 * s, water - 40 * s);
    hull.lineTo(x - 42 * s, water - 26 * s);
    hull.lineTo(x + 34 * s, water - 24 * s);
    hull.lineTo(x + 38 * s, water - 34 * s);
    hull.lineTo(x + 62 * s, water - 36 * s);
    hull.quadTo(x + 56 * s, water - 6 * s, x + 30 * s, water + 4 * s);
    hull.lineTo(x - 36 * s, water + 4 * s);
    hull.quadTo(x - 56 * s, water - 4 * s, x - 60 * s, water - 40 * s);
    hull.closeSubpath();
    p.setBrush(Gradient(QPointF(0, water - 40 * s), QPointF(0, water + 4 * s), QColor(150, 100, 60),
                        QColor(70, 44, 28)));
    p.drawPath(hull);
    p.setPen(QPen(QColor(214, 170, 80), 1.5 * s));
    p.drawLine(QPointF(x - 52 * s, water - 14 * s), QPointF(x + 50 * s, water - 14 * s));
    p.setPen(QPen(QColor(60, 40, 26), 1.0));
    for (int i = 0; i < 6; ++i) {
        const double gx = x - 32 * s + i * 12 * s;
        p.setBrush(QColor(40, 28, 20));
        p.drawRect(QRectF(gx, water - 20 * s, 4 * s, 3.5 * s));
    }
    // Masts.
    p.setPen(QPen(QColor(84, 60, 38), 2.2 * s));
    const double foreX = x + 36 * s;
    const double mainX = x + 2 * s;
    const double mizX = x - 40 * s;
    p.drawLine(QPointF(foreX, water - 34 * s), QPointF(foreX, water - 100 * s));
    p.drawLine(QPointF(mainX, water - 24 * s), QPointF(mainX, water - 142 * s));
    p.drawLine(QPointF(mizX, water - 40 * s), QPointF(mizX, water - 104 * s));
    p.drawLine(QPointF(x + 60 * s, water - 36 * s), QPointF(x + 90 * s, water - 60 * s));
    // Rigging lines.
    p.setPen(QPen(QColor(70, 56, 44, 160), 0.7));
    p.drawLine(QPointF(mainX, water - 142 * s), QPointF(x + 88 * s, water - 58 * s));
    p.drawLine(QPointF(mainX, water - 142 * s), QPointF(x - 58 * s, water - 40 * s));
    p.drawLine(QPointF(foreX, water - 100 * s), QPointF(x + 88 * s, water - 58 * s));
    p.setPen(Qt::NoPen);
    const auto squareSail = [&](double mx, double top, double bottom, double half, bool cross) {
        QPainterPath sail;
        sail.moveTo(mx - half, top);
        sail.lineTo(mx + half, top);
        sail.quadTo(mx + half * 1.2, (top + bottom) / 2, mx + half * 0.95, bottom);
        sail.quadTo(mx, bottom + 4 * s, mx - half * 0.95, bottom);
        sail.quadTo(mx - half * 0.9, (top + bottom) / 2, mx - half, top);
        p.setBrush(Gradient(QPointF(mx - half, 0), QPointF(mx + half, 0), QColor(250, 242, 222),
                            QColor(206, 192, 164)));
        p.drawPath(sail);
        if (cross) {
            p.setBrush(QColor(190, 36, 36));
            const double cy = (top + bottom) / 2;
            const double arm = (bottom - top) * 0.32;
            p.drawRect(QRectF(mx - 2.2 * s, cy - arm, 4.4 * s, arm * 2));
            p.drawRect(QRectF(mx - arm * 0.8, cy - 2.2 * s, arm * 1.6, 4.4 * s));
        }
    };
    squareSail(mainX, water - 132 * s, water - 80 * s, 26 * s, false);
    squareSail(mainX, water - 78 * s, water - 36 * s, 32 * s, true);
    squareSail(foreX, water - 94 * s, water - 48 * s, 20 * s, true);
    QPolygonF lateen;
    lateen << QPointF(mizX + 14 * s, water - 108 * s) << QPointF(mizX - 18 * s, water - 50 * s)
           << QPointF(mizX + 8 * s, water - 52 * s);
    p.setBrush(QColor(232, 222, 198));
    p.drawPolygon(lateen);
    p.setPen(QPen(QColor(84, 60, 38), 1.2 * s));
    p.drawLine(QPointF(mizX + 14 * s, water - 108 * s), QPointF(mizX - 20 * s, water - 48 * s));
    p.setPen(Qt::NoPen);
    // Pennants.
    p.setBrush(QColor(200, 40, 40));
    QPolygonF pen1;
    pen1 << QPointF(mainX, water - 142 * s) << QPointF(mainX + 22 * s, water - 139 * s)
         << QPointF(mainX, water - 136 * s);
    p.drawPolygon(pen1);
    p.setBrush(QColor(250, 210, 60));
    QPolygonF pen2;
    pen2 << QPointF(foreX, water - 100 * s) << QPointF(foreX + 14 * s, water - 98 * s)
         << QPointF(foreX, water - 96 * s);
    p.drawPolygon(pen2);
}

}  // namespace

// Late Middle Ages and Renaissance: a walled hill town crowned by a Gothic
// cathedral, a carrack at anchor in the harbour below.
QImage PaintScene20() {
    QImage img = NewSceneCanvas();
    const ColorStop sky[] = {
        {0.0, QColor(70, 120, 196)}, {0.6, QColor(164, 194, 226)}, {1.0, QColor(240, 226, 204)}};
    FillSky(img, sky, 3, 0, 210);
    CloudStyle clouds{QColor(255, 250, 240), QColor(184, 180, 200), 0.36, 130.0, 36.0, 0.9, 2001};
    PaintClouds(img, 0, 130, clouds);

    LandStyle far{200, 40,       0.005, 4,   false, QColor(140, 160, 180), QColor(170, 184, 190),
                  0.0, QColor(), 40.0,  2002};
    PaintLand(img, far);

    Rng rng(20);

    {
        CanvasPainter p(img);

        // The town hill.
        QPainterPath hill;
        hill.moveTo(-10, 240);
        hill.lineTo(-10, 170);
        hill.cubicTo(60, 150, 120, 132, 190, 130);
        hill.cubicTo(260, 132, 320, 170, 370, 232);
        hill.lineTo(370, 240);
        hill.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(
            Gradient(QPointF(0, 130), QPointF(0, 240), QColor(130, 150, 90), QColor(100, 120, 70)));
        p.drawPath(hill);

        // Houses in rows climbing the hill, back rows first.
        const double rows[][3] = {{150, 60, 320}, {170, 20, 350}, {190, 0, 360}, {210, 0, 370}};
        bool cathedralDrawn = false;
        for (const auto& r : rows) {
            if (!cathedralDrawn && r[0] > 160) {
                p.save();
                p.translate(124, 164);
                p.scale(0.82, 0.82);
                DrawCathedral(p, 0, 0);
                p.restore();
                cathedralDrawn = true;
            }
            double x = r[1] + rng.Range(0, 6);
            while (x < r[2]) {
                const double y = r[0] + rng.Range(-3, 3) + std::pow((x - 190) / 160.0, 2.0) * 20;
                const double w = rng.Range(10, 16);
                if (hill.contains(QPointF(x + w / 2, y - 14)) || r[0] > 180) {
                    DrawHouse(p, x, y, w, rng.Range(10, 16), rng);
                }
                x += w + rng.Range(1, 3);
            }
        }
        // The town wall along the waterfront, with towers and a gate.
        const double wallTop = 206;
        p.setBrush(Gradient(QPointF(0, wallTop), QPointF(0, 236), kStoneLit, kStoneShade));
        p.drawRect(QRectF(-5, wallTop, 380, 32));
        p.setBrush(kStoneLit);
        for (double x = -5; x < 375; x += 8) {
            p.drawRect(QRectF(x, wallTop - 5, 5, 5));
        }
        p.setPen(QPen(QColor(150, 130, 106, 120), 0.8));
        for (double y = wallTop + 6; y < 236; y += 6) {
            p.drawLine(QPointF(-5, y), QPointF(375, y));
        }
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(56, 44, 36));
        QPainterPath gate;
        gate.moveTo(176, 236);
        gate.lineTo(176, 220);
        gate.arcTo(QRectF(176, 213, 16, 14), 180, -180);
        gate.lineTo(192, 236);
        gate.closeSubpath();
        p.drawPath(gate);
        DrawWallTower(p, 30, 238, 22, 44);
        DrawWallTower(p, 140, 238, 20, 40);
        DrawWallTower(p, 226, 238, 20, 40);
        DrawWallTower(p, 340, 238, 24, 48);
    }

    WaterStyle harbour{
        QColor(90, 130, 170), QColor(40, 80, 120), 0.55, 3.0, 0.35, QColor(255, 250, 230), 2003};
    PaintWater(img, 238, 320, harbour);

    {
        CanvasPainter p(img);
        p.save();
        p.translate(0, 2 * 282);
        p.scale(1, -1);
        p.setOpacity(0.25);
        DrawCarrack(p, 410, 280, 1.15);
        p.restore();
        DrawCarrack(p, 410, 280, 1.15);

        // Small boats in the harbour.
        p.setBrush(QColor(110, 74, 44));
        p.drawChord(QRectF(80, 248, 30, 10), 180 * 16, 180 * 16);
        p.drawChord(QRectF(250, 258, 24, 8), 180 * 16, 180 * 16);
        // A stone quay in the near left corner with mooring posts.
        QPolygonF quay;
        quay << QPointF(-5, 290) << QPointF(160, 300) << QPointF(180, 320) << QPointF(-5, 320);
        p.setBrush(Gradient(QPointF(0, 290), QPointF(0, 320), QColor(200, 184, 156),
                            QColor(150, 132, 108)));
        p.drawPolygon(quay);
        p.setPen(QPen(QColor(130, 114, 92), 0.8));
        for (int i = 0; i < 8; ++i) {
            p.drawLine(QPointF(i * 22, 291 + i * 1.2), QPointF(i * 22 + 4, 320));
        }
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(70, 50, 36));
        p.drawRect(QRectF(40, 282, 5, 12));
        p.drawRect(QRectF(120, 287, 5, 12));
        DrawPerson(p, 76, 300, 16, QColor(40, 60, 110));
        DrawPerson(p, 92, 302, 15, QColor(130, 40, 40));
        DrawBird(p, 300, 100, 9, QColor(60, 60, 70));
        DrawBird(p, 470, 60, 8, QColor(60, 60, 70));
    }
    return img;
}

}  // namespace orb::art
