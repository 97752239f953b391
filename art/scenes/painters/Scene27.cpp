#include "kit/PaintKit.h"
#include "scenes/ScenePainters.h"
#include "scenes/painters/AgesKit.h"

#include <algorithm>
#include <cmath>

namespace orb::art {

using namespace ages;

namespace {

// A glass dome over a city: towers seen through tinted glass, a geodesic
// grid, a bright rim and a highlight where the sky reflects.
void DrawDome(QPainter& p, double cx, double ground, double r, Rng& rng) {
    const QRectF box(cx - r, ground - r, 2 * r, 2 * r);
    QPainterPath dome;
    dome.moveTo(cx - r, ground);
    dome.arcTo(box, 180, -180);
    dome.closeSubpath();
    p.setPen(Qt::NoPen);
    // The city inside, drawn first.
    p.save();
    p.setClipPath(dome);
    p.setBrush(QColor(120, 170, 120));
    p.drawRect(QRectF(cx - r, ground - r * 0.12, 2 * r, r * 0.12));
    for (int i = 0; i < 14; ++i) {
        const double tx = cx - r * 0.8 + rng.Range(0, r * 1.6);
        const double d = std::abs(tx - cx) / r;
        const double th = r * rng.Range(0.25, 0.8) * std::sqrt(std::max(0.0, 1.0 - d * d));
        const double tw = r * rng.Range(0.06, 0.12);
        const QColor c = Mix(QColor(236, 236, 240), QColor(150, 190, 220), rng.Uniform());
        p.setBrush(Gradient(QPointF(tx, 0), QPointF(tx + tw, 0), c, c.darker(135)));
        p.drawRoundedRect(QRectF(tx, ground - th, tw, th), tw * 0.4, tw * 0.4);
    }
    // Tinted glass over it.
    QRadialGradient glass(QPointF(cx - r * 0.35, ground - r * 0.7), r * 1.4);
    glass.setColorAt(0.0, QColor(230, 250, 255, 150));
    glass.setColorAt(0.5, QColor(150, 210, 230, 80));
    glass.setColorAt(1.0, QColor(60, 130, 170, 140));
    p.setBrush(glass);
    p.drawPath(dome);
    p.setPen(QPen(QColor(255, 255, 255, 60), 0.7));
    p.setBrush(Qt::NoBrush);
    for (int i = 1; i < 5; ++i) {
        const double rr = r * i / 5.0;
        p.drawArc(QRectF(cx - rr, ground - r, 2 * rr, 2 * r), 0, 180 * 16);
    }
    for (int i = 1; i < 5; ++i) {
        const double y = ground - r * i / 5.0;
        const double half = std::sqrt(r * r - (ground - y) * (ground - y));
        p.drawLine(QPointF(cx - half, y), QPointF(cx + half, y));
    }
    p.restore();
    p.setPen(QPen(QColor(230, 244, 250), 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawPath(dome);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 110));
    QPainterPath shine;
    shine.moveTo(cx - r * 0.8, ground - r * 0.45);
    shine.quadTo(cx - r * 0.7, ground - r * 0.9, cx - r * 0.2, ground - r * 0.97);
    shine.quadTo(cx - r * 0.62, ground - r * 0.8, cx - r * 0.72, ground - r * 0.4);
    shine.closeSubpath();
    p.drawPath(shine);
    p.setBrush(QColor(200, 206, 210));
    p.drawRect(QRectF(cx - r - 2, ground - 2, 2 * r + 4, 4));
}

// A sleek flying craft heading left with a faint light trail.
void DrawCraft(QPainter& p, double x, double y, double s, const QColor& hull) {
    p.setPen(Qt::NoPen);
    QPolygonF trail;
    trail << QPointF(x + 14 * s, y - 0.8 * s) << QPointF(x + 80 * s, y + 0.3 * s)
          << QPointF(x + 80 * s, y + 0.7 * s) << QPointF(x + 14 * s, y + 1.8 * s);
    p.setBrush(Gradient(QPointF(x + 14 * s, 0), QPointF(x + 80 * s, 0), QColor(255, 255, 255, 130),
                        QColor(255, 255, 255, 0)));
    p.drawPolygon(trail);
    QPainterPath body;
    body.moveTo(x - 14 * s, y + 1 * s);
    body.cubicTo(x - 8 * s, y - 4 * s, x + 8 * s, y - 4 * s, x + 16 * s, y - 1 * s);
    body.lineTo(x + 16 * s, y + 2 * s);
    body.cubicTo(x + 6 * s, y + 3.5 * s, x - 8 * s, y + 3.5 * s, x - 14 * s, y + 1 * s);
    p.setBrush(Gradient(QPointF(0, y - 4 * s), QPointF(0, y + 3 * s), hull.lighter(130),
                        hull.darker(140)));
    p.drawPath(body);
    p.setBrush(QColor(40, 60, 90));
    p.drawEllipse(QPointF(x - 4 * s, y - 1.5 * s), 5 * s, 1.6 * s);
    p.setBrush(QColor(120, 230, 255));
    p.drawEllipse(QPointF(x + 15 * s, y + 0.5 * s), 1.2 * s, 1.2 * s);
}

}  // namespace

// 2031 to 100,000: glass-domed cities by a lake, an orbital ring arching
// across the sky with a tether rising to it, craft gliding between domes.
QImage PaintScene27() {
    QImage img = NewSceneCanvas();
    const int horizon = 200;
    const ColorStop sky[] = {
        {0.0, QColor(30, 70, 140)}, {0.55, QColor(90, 160, 210)}, {1.0, QColor(200, 230, 236)}};
    FillSky(img, sky, 3, 0, horizon);
    // The Moon by day, with a faint glow.
    ScreenGlow(img, QPointF(400, 130), 40, QColor(230, 240, 250), 0.35);

    Rng rng(27);

    {
        CanvasPainter p(img);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(226, 232, 238));
        p.drawEllipse(QPointF(400, 130), 16, 16);
        p.setBrush(QColor(196, 206, 218));
        p.drawEllipse(QPointF(394, 126), 5, 4);
        p.drawEllipse(QPointF(406, 136), 4, 3);
        // City lights on the Moon's shaded edge.
        p.setBrush(QColor(120, 140, 170, 120));
        p.drawChord(QRectF(384, 114, 32, 32), 60 * 16, 140 * 16);

        // The orbital ring, seen from below: a band arching from horizon to
        // horizon, its lit face bright and its underside in shade.
        const QRectF ring(-44, 40, 600, 300);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(200, 220, 240, 90), 12.0));
        p.drawArc(ring, 0, 180 * 16);
        p.setPen(QPen(QColor(246, 250, 252, 235), 4.0));
        p.drawArc(ring.adjusted(-3, -3, 3, 3), 0, 180 * 16);
        p.setPen(QPen(QColor(110, 140, 180, 220), 2.0));
        p.drawArc(ring.adjusted(2, 2, -2, -2), 0, 180 * 16);
        // Stations along the ring.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(250, 250, 250));
        const QPointF stations[] = {{44, 84}, {256, 40}, {468, 84}};
        for (const QPointF& st : stations) {
            p.drawRoundedRect(QRectF(st.x() - 9, st.y() - 4, 18, 8), 2, 2);
            p.setBrush(QColor(120, 200, 240));
            p.drawRect(QRectF(st.x() - 6, st.y() - 1, 12, 2));
            p.setBrush(QColor(250, 250, 250));
        }
        // The tether from the ground to the station overhead.
        p.setPen(QPen(QColor(230, 240, 250, 200), 1.2));
        p.drawLine(QPointF(256, 44), QPointF(256, horizon - 10));
        p.setPen(Qt::NoPen);
    }

    CloudStyle clouds{QColor(255, 255, 255), QColor(170, 196, 220), 0.28, 110.0, 18.0, 0.7, 2701};
    PaintClouds(img, 90, 180, clouds);

    LandStyle far{horizon, 50,       0.007, 4,   true, QColor(150, 180, 200), QColor(170, 200, 206),
                  0.0,     QColor(), 40.0,  2702};
    PaintLand(img, far);
    Haze(img, 150, horizon, QColor(210, 232, 236), 0.0, 0.35, HazeRamp::Smooth);

    {
        CanvasPainter p(img);
        // Far shore with small domes.
        p.setBrush(QColor(110, 160, 120));
        p.drawRect(QRectF(0, horizon - 2, kWidth, 8));
        DrawDome(p, 80, horizon + 4, 16, rng);
        DrawDome(p, 256, horizon + 4, 30, rng);
        DrawDome(p, 300, horizon + 4, 12, rng);
        DrawDome(p, 430, horizon + 4, 20, rng);
    }

    WaterStyle lake{
        QColor(120, 180, 200), QColor(40, 110, 150), 0.6, 2.0, 0.35, QColor(255, 250, 230), 2703};
    PaintWater(img, horizon + 6, 320, lake);

    {
        CanvasPainter p(img);
        // The near shore, green and terraced, with the great dome on it.
        QPainterPath shore;
        shore.moveTo(150, 320);
        shore.cubicTo(190, 262, 260, 244, 340, 240);
        shore.lineTo(520, 236);
        shore.lineTo(520, 320);
        shore.closeSubpath();
        p.setBrush(
            Gradient(QPointF(0, 236), QPointF(0, 320), QColor(110, 176, 100), QColor(60, 130, 80)));
        p.drawPath(shore);
        DrawDome(p, 420, 262, 84, rng);
        // A transit tube running from the big dome across the water.
        p.setPen(QPen(QColor(220, 236, 244, 200), 3.0));
        p.setBrush(Qt::NoBrush);
        QPainterPath tube;
        tube.moveTo(336, 252);
        tube.cubicTo(260, 244, 200, 220, 120, 212);
        tube.lineTo(-10, 210);
        p.drawPath(tube);
        p.setPen(QPen(QColor(140, 200, 230, 160), 1.0));
        p.drawPath(tube.translated(0, 1.5));
        p.setPen(Qt::NoPen);
        // Pylons under the tube.
        p.setBrush(QColor(210, 220, 226));
        for (double tx : {60.0, 140.0, 220.0, 290.0}) {
            const double ty = tx < 120 ? 211 : (tx < 240 ? 220 + (tx - 140) * 0.2 : 244);
            p.drawRect(QRectF(tx - 1.2, ty, 2.4, 230 - ty + (tx > 200 ? 20 : 4)));
        }
        // Gardens on the near shore.
        for (int i = 0; i < 7; ++i) {
            const double x = 190 + i * 20 + rng.Range(-5, 5);
            DrawCypress(p, x, 296 - i * 5.0, rng.Range(24, 34), QColor(50, 120, 80));
        }
        for (int i = 0; i < 5; ++i) {
            DrawLeafyTree(p, 470 + i * 14, 310 - (i % 2) * 6, rng.Range(30, 44),
                          QColor(70, 140, 90), QColor(80, 70, 60), rng);
        }
        // Craft in the air.
        DrawCraft(p, 150, 120, 1.8, QColor(230, 232, 240));
        DrawCraft(p, 330, 150, 1.0, QColor(220, 200, 120));
        DrawCraft(p, 90, 170, 0.7, QColor(200, 210, 230));
        DrawCraft(p, 240, 270, 2.4, QColor(236, 238, 242));
    }
    return img;
}

}  // namespace orb::art
