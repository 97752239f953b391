#include "kit/PaintKit.h"
#include "scenes/ScenePainters.h"
#include "scenes/painters/AgesKit.h"

#include <algorithm>
#include <cmath>

namespace orb::art {

using namespace ages;

namespace {

// A tower mill: tapering body, a boat-shaped cap and four lattice sails.
void DrawWindmill(QPainter& p, double x, double ground, double h, double angle,
                  const QColor& body) {
    p.setPen(Qt::NoPen);
    const double bw = h * 0.32;
    const double tw = h * 0.18;
    QPolygonF tower;
    tower << QPointF(x - bw / 2, ground) << QPointF(x - tw / 2, ground - h)
          << QPointF(x + tw / 2, ground - h) << QPointF(x + bw / 2, ground);
    p.setBrush(Gradient(QPointF(x - bw / 2, 0), QPointF(x + bw / 2, 0), body.lighter(120),
                        body.darker(140)));
    p.drawPolygon(tower);
    // Stage gallery and door.
    p.setBrush(QColor(70, 52, 40));
    p.drawRect(QRectF(x - bw * 0.42, ground - h * 0.42, bw * 0.84, h * 0.03));
    p.drawRect(QRectF(x - bw * 0.08, ground - h * 0.18, bw * 0.16, h * 0.18));
    p.setBrush(QColor(220, 220, 210));
    p.drawRect(QRectF(x - tw * 0.15, ground - h * 0.7, tw * 0.3, h * 0.07));
    // Cap.
    QPainterPath cap;
    cap.moveTo(x - tw * 0.7, ground - h);
    cap.quadTo(x, ground - h - tw * 1.1, x + tw * 0.7, ground - h);
    cap.closeSubpath();
    p.setBrush(QColor(60, 70, 66));
    p.drawPath(cap);
    // Sails.
    const QPointF hub(x - tw * 0.2, ground - h - tw * 0.1);
    const double len = h * 0.82;
    for (int i = 0; i < 4; ++i) {
        const double a = angle + i * kPi / 2;
        const QPointF dir(std::cos(a), std::sin(a));
        const QPointF side(-dir.y(), dir.x());
        const QPointF tip = hub + dir * len;
        p.setPen(QPen(QColor(70, 50, 36), std::max(1.0, h * 0.02)));
        p.drawLine(hub, tip);
        QPolygonF frame;
        frame << hub + dir * (len * 0.18) << tip << tip + side * (len * 0.2)
              << hub + dir * (len * 0.18) + side * (len * 0.2);
        p.setPen(QPen(QColor(90, 70, 50), 0.7));
        p.setBrush(QColor(236, 226, 206, 200));
        p.drawPolygon(frame);
        for (int k = 1; k < 6; ++k) {
            const QPointF a0 = hub + dir * (len * (0.18 + 0.82 * k / 6.0));
            p.drawLine(a0, a0 + side * (len * 0.2));
        }
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(50, 40, 32));
    p.drawEllipse(hub, h * 0.03, h * 0.03);
}

// A full-rigged ship of the line: black and ochre hull with a row of gun ports
// and three masts of square sails.
void DrawTallShip(QPainter& p, double x, double water, double s) {
    p.setPen(Qt::NoPen);
    QPainterPath hull;
    hull.moveTo(x - 50 * s, water - 22 * s);
    hull.lineTo(x + 44 * s, water - 18 * s);
    hull.quadTo(x + 56 * s, water - 20 * s, x + 60 * s, water - 24 * s);
    hull.quadTo(x + 52 * s, water - 2 * s, x + 36 * s, water + 2 * s);
    hull.lineTo(x - 40 * s, water + 2 * s);
    hull.quadTo(x - 50 * s, water - 6 * s, x - 50 * s, water - 22 * s);
    hull.closeSubpath();
    p.setBrush(QColor(36, 32, 30));
    p.drawPath(hull);
    p.setBrush(QColor(210, 170, 80));
    p.drawRect(QRectF(x - 48 * s, water - 14 * s, 96 * s, 4 * s));
    p.setBrush(QColor(30, 26, 24));
    for (int i = 0; i < 12; ++i) {
        p.drawRect(QRectF(x - 44 * s + i * 7.5 * s, water - 13.5 * s, 3 * s, 3 * s));
    }
    p.setPen(QPen(QColor(60, 44, 32), 1.6 * s));
    const double masts[] = {x + 30 * s, x - 2 * s, x - 32 * s};
    const double heights[] = {100, 116, 86};
    for (int m = 0; m < 3; ++m) {
        p.drawLine(QPointF(masts[m], water - 18 * s), QPointF(masts[m], water - heights[m] * s));
    }
    p.drawLine(QPointF(x + 58 * s, water - 24 * s), QPointF(x + 92 * s, water - 44 * s));
    p.setPen(QPen(QColor(60, 50, 44, 150), 0.6));
    p.drawLine(QPointF(masts[0], water - heights[0] * s), QPointF(x + 92 * s, water - 44 * s));
    p.drawLine(QPointF(masts[1], water - heights[1] * s),
               QPointF(masts[0], water - heights[0] * s));
    p.setPen(Qt::NoPen);
    for (int m = 0; m < 3; ++m) {
        const double top = heights[m] * s;
        for (int k = 0; k < 3; ++k) {
            const double y0 = water - top + 6 * s + k * (top - 26 * s) / 3.0;
            const double y1 = y0 + (top - 26 * s) / 3.0 - 2 * s;
            const double half = (10 + k * 4) * s * (m == 2 ? 0.85 : 1.0);
            QPainterPath sail;
            sail.moveTo(masts[m] - half, y0);
            sail.lineTo(masts[m] + half, y0);
            sail.quadTo(masts[m] + half * 1.15, (y0 + y1) / 2, masts[m] + half, y1);
            sail.lineTo(masts[m] - half, y1);
            sail.quadTo(masts[m] - half * 0.9, (y0 + y1) / 2, masts[m] - half, y0);
            p.setBrush(Gradient(QPointF(masts[m] - half, 0), QPointF(masts[m] + half, 0),
                                QColor(250, 246, 234), QColor(200, 192, 176)));
            p.drawPath(sail);
        }
    }
    QPolygonF jib;
    jib << QPointF(masts[0], water - 92 * s) << QPointF(x + 88 * s, water - 44 * s)
        << QPointF(masts[0] + 4 * s, water - 42 * s);
    p.setBrush(QColor(236, 230, 216));
    p.drawPolygon(jib);
    // Ensign on a staff at the stern.
    p.setPen(QPen(QColor(60, 44, 32), 1.0));
    p.drawLine(QPointF(x - 50 * s, water - 22 * s), QPointF(x - 56 * s, water - 40 * s));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 40, 40));
    QPolygonF flag;
    flag << QPointF(x - 56 * s, water - 40 * s) << QPointF(x - 72 * s, water - 38 * s)
         << QPointF(x - 70 * s, water - 30 * s) << QPointF(x - 54 * s, water - 33 * s);
    p.drawPolygon(flag);
}

// A brick mill of several storeys beside the water, with a tall chimney.
void DrawBrickMill(QPainter& p, double x, double ground, Rng& rng) {
    p.setPen(Qt::NoPen);
    DrawBlock(p, QRectF(x, ground - 46, 70, 46), 18, QColor(170, 84, 60), QColor(116, 58, 44));
    QPolygonF roof;
    roof << QPointF(x - 2, ground - 46) << QPointF(x + 8, ground - 56)
         << QPointF(x + 96, ground - 56) << QPointF(x + 88, ground - 46);
    p.setBrush(QColor(80, 84, 92));
    p.drawPolygon(roof);
    DrawWindows(p, QRectF(x + 4, ground - 42, 62, 36), 7, 3, 2.2, QColor(60, 60, 70),
                QColor(120, 130, 150), 0.3, rng);
    p.setBrush(Gradient(QPointF(x + 100, 0), QPointF(x + 110, 0), QColor(176, 90, 64),
                        QColor(110, 56, 42)));
    QPolygonF chimney;
    chimney << QPointF(x + 98, ground) << QPointF(x + 101, ground - 96)
            << QPointF(x + 109, ground - 96) << QPointF(x + 112, ground);
    p.drawPolygon(chimney);
    p.setBrush(QColor(90, 50, 40));
    p.drawRect(QRectF(x + 99, ground - 100, 12, 4));
}

}  // namespace

// 1601 to 1850: a low polder under a towering sky, windmills along a canal, a
// brick mill smoking beside it and a full-rigged ship on the estuary.
QImage PaintScene21() {
    QImage img = NewSceneCanvas();
    const int horizon = 206;
    const ColorStop sky[] = {
        {0.0, QColor(70, 112, 170)}, {0.55, QColor(140, 172, 206)}, {1.0, QColor(226, 222, 206)}};
    FillSky(img, sky, 3, 0, horizon);
    CloudStyle clouds{QColor(255, 252, 242), QColor(128, 136, 156), 0.55, 140.0, 60.0, 0.9, 2101};
    PaintClouds(img, 0, 190, clouds);

    // The estuary on the right, then the flat land.
    WaterStyle sea{
        QColor(150, 170, 186), QColor(120, 146, 166), 0.5, 2.0, 0.3, QColor(255, 250, 230), 2102};
    PaintWater(img, horizon, 222, sea);

    Rng rng(21);
    // The polder: fields in long strips converging on the horizon.
    QPainterPath land;
    land.moveTo(-5, 320);
    land.lineTo(-5, horizon);
    land.lineTo(300, horizon);
    land.cubicTo(330, horizon + 6, 360, 216, 400, 220);
    land.lineTo(520, 224);
    land.lineTo(520, 320);
    land.closeSubpath();
    const QPointF vp(200, horizon);
    {
        CanvasPainter p(img);
        DrawTallShip(p, 430, 214, 0.62);
        DrawTallShip(p, 330, 208, 0.28);

        p.setPen(Qt::NoPen);
        p.setBrush(QColor(120, 150, 80));
        p.drawPath(land);
        p.save();
        p.setClipPath(land);
        const QColor strips[] = {QColor(128, 160, 80), QColor(104, 140, 66), QColor(150, 170, 90),
                                 QColor(116, 150, 72)};
        for (int i = 0; i < 24; ++i) {
            const double x0 = -800 + i * 90;
            const double x1 = x0 + 90;
            QPolygonF strip;
            strip << vp << QPointF(x0, 320 + 200) << QPointF(x1, 320 + 200);
            p.setBrush(strips[i % 4]);
            p.drawPolygon(strip);
        }
        // Ditches between strips shine with the sky.
        p.setPen(QPen(QColor(170, 190, 206, 150), 1.0));
        for (int i = 0; i < 24; ++i) {
            p.drawLine(vp, QPointF(-800 + i * 90, 520));
        }
        p.restore();
    }
    for (int y = horizon; y < 240; ++y) {
        const double t = 1.0 - (y - horizon) / 34.0;
        QRgb* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < kWidth; ++x) {
            row[x] = Mix(QColor(row[x]), QColor(206, 212, 206), 0.5 * t * t).rgb();
        }
    }

    // The canal from the foreground to the vanishing point.
    QPainterPath canal;
    canal.moveTo(vp.x() - 2, vp.y());
    canal.lineTo(vp.x() + 2, vp.y());
    canal.lineTo(330, 320);
    canal.lineTo(120, 320);
    canal.closeSubpath();
    QImage water(kWidth, kHeight, QImage::Format_RGB32);
    const ColorStop wsky[] = {{0.0, QColor(200, 210, 216)}, {1.0, QColor(96, 130, 170)}};
    FillSky(water, wsky, 2, 0, kHeight);
    CloudStyle refl = clouds;
    refl.seed = 2103;
    refl.alpha = 0.6;
    PaintClouds(water, horizon, kHeight, refl);
    CanvasPainter p(img);
    p.setClipPath(canal);
    p.drawImage(0, 0, water);
    p.setClipping(false);
    p.setPen(QPen(QColor(90, 110, 60), 1.5));
    p.drawLine(QPointF(vp.x() - 2, vp.y()), QPointF(120, 320));
    p.drawLine(QPointF(vp.x() + 2, vp.y()), QPointF(330, 320));
    p.setPen(Qt::NoPen);

    // Distant mills along the canal and on the polder.
    DrawWindmill(p, 150, 212, 22, 0.5, QColor(110, 90, 70));
    DrawWindmill(p, 232, 210, 14, 0.2, QColor(110, 90, 70));
    DrawWindmill(p, 70, 214, 28, 1.1, QColor(120, 96, 74));
    DrawBrickMill(p, 262, 236, rng);
    DrawSmoke(p, QPointF(368, 136), QPointF(100, -70), 16, 4, 26, QColor(120, 116, 112, 150), rng);
    // Trees around the farm.
    for (int i = 0; i < 6; ++i) {
        DrawLeafyTree(p, 20 + i * 14 + rng.Range(-4, 4), 222 + rng.Range(0, 4), rng.Range(18, 26),
                      QColor(74, 106, 60), QColor(70, 54, 40), rng);
    }
    // A barge on the canal.
    QPolygonF barge;
    barge << QPointF(208, 262) << QPointF(236, 262) << QPointF(232, 268) << QPointF(210, 268);
    p.setBrush(QColor(90, 60, 36));
    p.drawPolygon(barge);
    p.setPen(QPen(QColor(70, 50, 36), 1.0));
    p.drawLine(QPointF(222, 262), QPointF(222, 238));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 120, 60));
    QPolygonF bs;
    bs << QPointF(222, 238) << QPointF(233, 258) << QPointF(222, 258);
    p.drawPolygon(bs);

    // The big mill in the foreground on the left bank.
    DrawWindmill(p, 60, 300, 130, 0.35, QColor(96, 74, 56));
    p.save();
    p.setClipPath(land.subtracted(canal));
    GrassTufts(p, rng, 260, 322, 160,
               {QColor(70, 100, 44), QColor(160, 180, 90), 8.0, 3, 3, 1.0, 1.0});
    p.restore();
    for (int i = 0; i < 4; ++i) {
        DrawBird(p, 250 + i * 14, 60 + (i % 2) * 8, 7, QColor(50, 50, 60));
    }
    return img;
}

}  // namespace orb::art
