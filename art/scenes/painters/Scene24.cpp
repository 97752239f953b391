#include "kit/PaintKit.h"
#include "scenes/ScenePainters.h"
#include "scenes/painters/AgesKit.h"

#include <algorithm>
#include <cmath>

namespace orb::art {

using namespace ages;

namespace {

// A swept-wing jet seen from below and to the side, heading along dir.
void DrawJet(QPainter& p, QPointF c, double s, double angle, const QColor& color) {
    p.save();
    p.translate(c);
    p.rotate(angle);
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    QPainterPath body;
    body.moveTo(14 * s, 0);
    body.quadTo(10 * s, -1.6 * s, 0, -1.6 * s);
    body.lineTo(-12 * s, -1.2 * s);
    body.lineTo(-12 * s, 1.2 * s);
    body.lineTo(0, 1.6 * s);
    body.quadTo(10 * s, 1.6 * s, 14 * s, 0);
    p.drawPath(body);
    QPolygonF wings;
    wings << QPointF(4 * s, 0) << QPointF(-6 * s, -13 * s) << QPointF(-9 * s, -13 * s)
          << QPointF(-4 * s, 0) << QPointF(-9 * s, 13 * s) << QPointF(-6 * s, 13 * s);
    p.drawPolygon(wings);
    QPolygonF tail;
    tail << QPointF(-9 * s, 0) << QPointF(-13 * s, -5 * s) << QPointF(-14.5 * s, -5 * s)
         << QPointF(-13 * s, 0) << QPointF(-14.5 * s, 5 * s) << QPointF(-13 * s, 5 * s);
    p.drawPolygon(tail);
    p.restore();
}

// A contrail: a soft white streak that widens and fades behind the plane.
void DrawContrail(QPainter& p, QPointF from, QPointF to, double w0, double w1) {
    const int steps = 40;
    p.setPen(Qt::NoPen);
    for (int i = steps; i >= 0; --i) {
        const double t = static_cast<double>(i) / steps;
        const QPointF c = from + (to - from) * t;
        const double w = w0 + (w1 - w0) * t;
        p.setBrush(QColor(255, 255, 255, static_cast<int>(150 * (1.0 - t * 0.85))));
        p.drawEllipse(c, w, w);
    }
}

// A slab tower of the 1960s: a glass curtain wall in a white grid.
void DrawSlab(QPainter& p, double x, double ground, double w, double h, double side,
              const QColor& glass, Rng& rng) {
    p.setPen(Qt::NoPen);
    p.setBrush(Gradient(QPointF(0, ground - h), QPointF(0, ground), glass.lighter(125), glass));
    p.drawRect(QRectF(x, ground - h, w, h));
    p.setBrush(glass.darker(150));
    p.drawRect(QRectF(x + w, ground - h, side, h));
    p.setPen(QPen(QColor(230, 236, 236, 170), 0.8));
    for (double y = ground - h + 3; y < ground; y += 4) {
        p.drawLine(QPointF(x, y), QPointF(x + w, y));
    }
    for (double vx = x + 4; vx < x + w; vx += 6) {
        p.drawLine(QPointF(vx, ground - h), QPointF(vx, ground));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(236, 236, 230));
    p.drawRect(QRectF(x - 1, ground - h - 3, w + side + 2, 3));
    (void)rng;
}

}  // namespace

// 1941 to 1970: a rocket climbing from its pad across the bay, jets drawing
// contrails overhead, the glass slabs of a 1960s city on the far shore.
QImage PaintScene24() {
    QImage img = NewSceneCanvas();
    const int horizon = 214;
    const ColorStop sky[] = {
        {0.0, QColor(40, 96, 182)}, {0.65, QColor(120, 176, 224)}, {1.0, QColor(214, 228, 234)}};
    FillSky(img, sky, 3, 0, horizon);
    CloudStyle clouds{QColor(255, 255, 255), QColor(170, 186, 212), 0.35, 70.0, 26.0, 0.9, 2401};
    PaintClouds(img, 130, 212, clouds);

    Rng rng(24);

    {
        CanvasPainter p(img);

        // Jets and their contrails high up.
        DrawContrail(p, QPointF(120, 40), QPointF(-20, 80), 1.5, 6);
        DrawContrail(p, QPointF(150, 58), QPointF(10, 98), 1.5, 6);
        DrawJet(p, QPointF(126, 38), 1.0, -16, QColor(200, 204, 210));
        DrawJet(p, QPointF(156, 56), 1.0, -16, QColor(200, 204, 210));

        // The far city on the left shore.
        // Back row paler, front row in full colour.
        for (int row = 0; row < 2; ++row) {
            double x = row == 0 ? 8 : -4;
            while (x < 270) {
                const double w = rng.Range(12, 28);
                const double h = rng.Range(24, 120) * (1.0 - x / 420.0) * (row == 0 ? 1.1 : 0.8);
                const QColor kinds[] = {QColor(60, 110, 130), QColor(196, 192, 180),
                                        QColor(40, 70, 90), QColor(120, 160, 170)};
                const QColor glass = row == 0 ? QColor(150, 176, 196) : kinds[rng.Int(0, 3)];
                DrawSlab(p, x, horizon - 6 + row * 2, w, h, 4, glass, rng);
                x += w + rng.Range(4, 18);
            }
        }
        // An observation tower with a saucer on top, the emblem of the decade.
        {
            const double tx = 214;
            const double top = horizon - 150;
            p.setBrush(QColor(236, 236, 230));
            QPolygonF legs;
            legs << QPointF(tx - 9, horizon - 4) << QPointF(tx - 1.5, top + 40)
                 << QPointF(tx - 1.5, top) << QPointF(tx + 1.5, top) << QPointF(tx + 1.5, top + 40)
                 << QPointF(tx + 9, horizon - 4);
            p.drawPolygon(legs);
            p.setBrush(QColor(150, 160, 170));
            QPolygonF waist;
            waist << QPointF(tx - 5, horizon - 4) << QPointF(tx, top + 50)
                  << QPointF(tx + 5, horizon - 4);
            p.drawPolygon(waist);
            p.setBrush(Gradient(QPointF(tx - 22, 0), QPointF(tx + 22, 0), QColor(246, 246, 240),
                                QColor(170, 176, 186)));
            p.drawEllipse(QPointF(tx, top + 6), 22, 5);
            p.setBrush(QColor(230, 130, 60));
            p.drawRect(QRectF(tx - 17, top + 2, 34, 3));
            p.setBrush(QColor(246, 246, 240));
            p.drawEllipse(QPointF(tx, top), 14, 3.5);
            p.drawRect(QRectF(tx - 0.8, top - 22, 1.6, 20));
        }
        p.setBrush(QColor(90, 120, 90));
        p.drawRect(QRectF(0, horizon - 4, 290, 4));
        for (int i = 0; i < 20; ++i) {
            const double tx = rng.Range(0, 290);
            p.setBrush(QColor(70, 110, 70));
            p.drawEllipse(QPointF(tx, horizon - 5), rng.Range(3, 6), 3);
        }
        // The space centre: low buildings and the launch tower on the cape.
        p.setBrush(QColor(200, 204, 200));
        p.drawRect(QRectF(300, horizon - 22, 26, 22));
        p.setBrush(QColor(170, 176, 176));
        p.drawRect(QRectF(326, horizon - 22, 6, 22));
        p.setBrush(QColor(40, 60, 120));
        p.drawRect(QRectF(306, horizon - 18, 14, 6));
    }
    Haze(img, 120, horizon, QColor(214, 226, 232), 0.0, 0.35, HazeRamp::Smooth);
    {
        CanvasPainter p(img);

        // The launch: exhaust cloud rolling over the pad, flame, and the rocket.
        const double rx = 420;
        const double rocketBase = 112;
        // Trail from the pad to the rocket.
        for (int i = 0; i < 30; ++i) {
            const double t = i / 29.0;
            const double y = horizon - 10 - (horizon - 10 - rocketBase - 10) * t;
            const double w = 12 - 8 * t;
            p.setBrush(QColor(250, 248, 240, 140));
            p.drawEllipse(QPointF(rx + std::sin(i * 0.7) * 1.5, y), w, 7);
        }
        // Launch tower.
        p.setPen(QPen(QColor(170, 60, 40), 1.4));
        const double tx = 452;
        p.drawLine(QPointF(tx, horizon), QPointF(tx, horizon - 96));
        p.drawLine(QPointF(tx + 10, horizon), QPointF(tx + 10, horizon - 96));
        for (double y = horizon; y > horizon - 96; y -= 8) {
            p.drawLine(QPointF(tx, y), QPointF(tx + 10, y - 8));
            p.drawLine(QPointF(tx, y), QPointF(tx + 10, y));
        }
        p.setPen(Qt::NoPen);
        DrawSmoke(p, QPointF(390, horizon - 12), QPointF(-70, 4), 14, 14, 26,
                  QColor(250, 248, 242, 235), rng);
        DrawSmoke(p, QPointF(446, horizon - 12), QPointF(60, 2), 12, 14, 24,
                  QColor(242, 240, 236, 235), rng);
        DrawSmoke(p, QPointF(420, horizon - 20), QPointF(0, -20), 8, 16, 26,
                  QColor(255, 252, 246, 240), rng);
        // Flame.
        QRadialGradient flame(QPointF(rx, rocketBase + 10), 22);
        flame.setColorAt(0.0, QColor(255, 255, 230));
        flame.setColorAt(0.4, QColor(255, 200, 80));
        flame.setColorAt(1.0, QColor(255, 120, 30, 0));
        p.setBrush(flame);
        p.drawEllipse(QPointF(rx, rocketBase + 14), 9, 24);
        // Rocket: three stages, white with black bands, escape tower on top.
        const double rw = 9;
        p.setBrush(Gradient(QPointF(rx - rw, 0), QPointF(rx + rw, 0), QColor(255, 255, 255),
                            QColor(170, 176, 186)));
        p.drawRect(QRectF(rx - rw, rocketBase - 50, rw * 2, 50));
        p.drawRect(QRectF(rx - rw * 0.8, rocketBase - 80, rw * 1.6, 30));
        p.drawRect(QRectF(rx - rw * 0.6, rocketBase - 98, rw * 1.2, 18));
        QPolygonF nose;
        nose << QPointF(rx - rw * 0.6, rocketBase - 98) << QPointF(rx, rocketBase - 110)
             << QPointF(rx + rw * 0.6, rocketBase - 98);
        p.drawPolygon(nose);
        p.setBrush(QColor(30, 30, 34));
        p.drawRect(QRectF(rx - rw, rocketBase - 40, rw * 2, 4));
        p.drawRect(QRectF(rx - rw, rocketBase - 12, rw * 2, 4));
        p.drawRect(QRectF(rx - rw * 0.8, rocketBase - 72, rw * 1.6, 3));
        p.drawRect(QRectF(rx - 0.6, rocketBase - 120, 1.2, 11));
        QPolygonF fins;
        fins << QPointF(rx - rw, rocketBase - 8) << QPointF(rx - rw - 5, rocketBase + 2)
             << QPointF(rx - rw, rocketBase);
        p.drawPolygon(fins);
        QPolygonF fins2;
        fins2 << QPointF(rx + rw, rocketBase - 8) << QPointF(rx + rw + 5, rocketBase + 2)
              << QPointF(rx + rw, rocketBase);
        p.drawPolygon(fins2);
    }

    WaterStyle bay{
        QColor(90, 150, 180), QColor(40, 110, 150), 0.5, 3.0, 0.4, QColor(255, 250, 230), 2403};
    PaintWater(img, horizon, 320, bay);

    {
        CanvasPainter p(img);
        // A sandy foreground with dune grass and onlookers.
        QPainterPath beach;
        beach.moveTo(-5, 320);
        beach.lineTo(-5, 270);
        beach.cubicTo(100, 262, 260, 276, 380, 290);
        beach.cubicTo(440, 298, 490, 300, 520, 300);
        beach.lineTo(520, 320);
        beach.closeSubpath();
        p.setBrush(Gradient(QPointF(0, 262), QPointF(0, 320), QColor(236, 218, 176),
                            QColor(206, 182, 136)));
        p.drawPath(beach);
        p.setBrush(QColor(250, 246, 236, 160));
        QPainterPath foam;
        foam.moveTo(-5, 270);
        foam.cubicTo(100, 262, 260, 276, 380, 290);
        foam.cubicTo(440, 298, 490, 300, 520, 300);
        foam.lineTo(520, 302);
        foam.cubicTo(490, 302, 440, 300, 380, 293);
        foam.cubicTo(260, 279, 100, 265, -5, 273);
        foam.closeSubpath();
        p.drawPath(foam);
        p.save();
        p.setClipPath(beach);
        GrassTufts(p, rng, 290, 322, 70,
                   {QColor(120, 130, 70), QColor(190, 190, 110), 8.0, 3, 3, 1.0, 1.0});
        p.restore();
        DrawPerson(p, 150, 296, 22, QColor(40, 80, 150));
        DrawPerson(p, 166, 298, 20, QColor(220, 90, 60));
        DrawPerson(p, 178, 300, 14, QColor(230, 200, 60));
        // A beach umbrella.
        p.setPen(QPen(QColor(90, 80, 70), 1.5));
        p.drawLine(QPointF(80, 306), QPointF(84, 270));
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 4; ++i) {
            p.setBrush(i % 2 == 0 ? QColor(220, 60, 50) : QColor(250, 246, 236));
            p.drawPie(QRectF(60, 262, 48, 22), (i * 45) * 16, 45 * 16);
        }
    }
    return img;
}

}  // namespace orb::art
