#include "kit/PaintKit.h"
#include "scenes/ScenePainters.h"
#include "scenes/painters/AgesKit.h"

#include <algorithm>
#include <cmath>

namespace orb::art {

using namespace ages;

namespace {

const QColor kTimberLit(168, 128, 84);
const QColor kTimberShade(104, 76, 50);

// A palisade of sharpened stakes along a curve from a to b.
void DrawPalisade(QPainter& p, QPointF a, QPointF b, double h, double stake) {
    const double len = std::hypot(b.x() - a.x(), b.y() - a.y());
    const int n = std::max(2, static_cast<int>(len / stake));
    p.setPen(QPen(QColor(70, 50, 32), 0.6));
    for (int i = 0; i <= n; ++i) {
        const QPointF foot = a + (b - a) * (static_cast<double>(i) / n);
        QPolygonF s;
        s << QPointF(foot.x() - stake * 0.5, foot.y())
          << QPointF(foot.x() - stake * 0.5, foot.y() - h)
          << QPointF(foot.x(), foot.y() - h - stake * 0.8)
          << QPointF(foot.x() + stake * 0.5, foot.y() - h)
          << QPointF(foot.x() + stake * 0.5, foot.y());
        p.setBrush(i % 2 == 0 ? kTimberLit : QColor(150, 112, 72));
        p.drawPolygon(s);
    }
    p.setPen(Qt::NoPen);
}

// A timber hall with a steep thatched roof.
void DrawHall(QPainter& p, double x, double ground, double w, double h) {
    p.setPen(Qt::NoPen);
    p.setBrush(Gradient(QPointF(x, 0), QPointF(x + w, 0), kTimberLit, kTimberShade));
    p.drawRect(QRectF(x, ground - h, w, h));
    p.setPen(QPen(QColor(80, 58, 38), 0.8));
    for (double px = x + 3; px < x + w; px += 4) {
        p.drawLine(QPointF(px, ground - h), QPointF(px, ground));
    }
    p.setPen(Qt::NoPen);
    QPolygonF roof;
    roof << QPointF(x - w * 0.08, ground - h + 1) << QPointF(x + w * 0.15, ground - h - h * 1.2)
         << QPointF(x + w * 0.85, ground - h - h * 1.2) << QPointF(x + w * 1.08, ground - h + 1);
    p.setBrush(Gradient(QPointF(0, ground - h * 2.2), QPointF(0, ground - h), QColor(196, 164, 98),
                        QColor(140, 110, 62)));
    p.drawPolygon(roof);
    p.setBrush(QColor(40, 28, 20));
    p.drawRect(QRectF(x + w * 0.45, ground - h * 0.7, w * 0.12, h * 0.7));
}

// A longship under sail: low hull rising to a carved prow, a striped square
// sail, shields along the side and oars out.
void DrawLongship(QPainter& p, double x, double water, double len) {
    const double s = len / 100.0;
    // Oars first, so the hull covers their looms.
    p.setPen(QPen(QColor(90, 66, 42), 1.0 * s + 0.4));
    for (int i = 0; i < 9; ++i) {
        const double ox = x - 30 * s + i * 7.5 * s;
        p.drawLine(QPointF(ox, water - 6 * s), QPointF(ox - 8 * s, water + 5 * s));
    }
    p.setPen(Qt::NoPen);
    QPainterPath hull;
    hull.moveTo(x - 50 * s, water - 26 * s);
    hull.cubicTo(x - 46 * s, water - 8 * s, x - 36 * s, water + 2 * s, x - 20 * s, water + 2 * s);
    hull.lineTo(x + 22 * s, water + 2 * s);
    hull.cubicTo(x + 38 * s, water + 2 * s, x + 48 * s, water - 8 * s, x + 52 * s, water - 28 * s);
    hull.lineTo(x + 49 * s, water - 27 * s);
    hull.cubicTo(x + 42 * s, water - 12 * s, x + 34 * s, water - 8 * s, x + 20 * s, water - 8 * s);
    hull.lineTo(x - 20 * s, water - 8 * s);
    hull.cubicTo(x - 34 * s, water - 8 * s, x - 42 * s, water - 12 * s, x - 47 * s, water - 25 * s);
    hull.closeSubpath();
    p.setBrush(Gradient(QPointF(0, water - 10 * s), QPointF(0, water + 2 * s), QColor(120, 84, 52),
                        QColor(64, 42, 26)));
    p.drawPath(hull);
    // Strakes.
    p.setPen(QPen(QColor(150, 110, 70), 0.8));
    p.drawLine(QPointF(x - 30 * s, water - 3 * s), QPointF(x + 32 * s, water - 3 * s));
    p.setPen(Qt::NoPen);
    // Dragon head on the prow.
    QPainterPath head;
    head.moveTo(x + 52 * s, water - 28 * s);
    head.quadTo(x + 56 * s, water - 36 * s, x + 60 * s, water - 33 * s);
    head.lineTo(x + 55 * s, water - 30 * s);
    head.closeSubpath();
    p.setBrush(QColor(70, 46, 28));
    p.drawPath(head);
    // Shields.
    const QColor shields[] = {QColor(200, 50, 40), QColor(230, 200, 90), QColor(40, 70, 130)};
    for (int i = 0; i < 10; ++i) {
        const double sx = x - 28 * s + i * 6.2 * s;
        p.setBrush(shields[i % 3]);
        p.drawEllipse(QPointF(sx, water - 9 * s), 3.0 * s, 3.0 * s);
        p.setBrush(QColor(200, 190, 160));
        p.drawEllipse(QPointF(sx, water - 9 * s), 0.9 * s, 0.9 * s);
    }
    // Mast, yard and the striped sail billowing.
    p.setPen(QPen(QColor(80, 58, 36), 1.6 * s));
    p.drawLine(QPointF(x, water - 8 * s), QPointF(x, water - 70 * s));
    p.drawLine(QPointF(x - 24 * s, water - 64 * s), QPointF(x + 24 * s, water - 64 * s));
    p.setPen(Qt::NoPen);
    QPainterPath sail;
    sail.moveTo(x - 24 * s, water - 64 * s);
    sail.lineTo(x + 24 * s, water - 64 * s);
    sail.quadTo(x + 30 * s, water - 40 * s, x + 22 * s, water - 20 * s);
    sail.quadTo(x, water - 16 * s, x - 22 * s, water - 20 * s);
    sail.quadTo(x - 18 * s, water - 40 * s, x - 24 * s, water - 64 * s);
    p.save();
    p.setClipPath(sail);
    for (int i = 0; i < 8; ++i) {
        p.setBrush(i % 2 == 0 ? QColor(196, 48, 40) : QColor(238, 226, 204));
        p.drawRect(QRectF(x - 26 * s + i * 7 * s, water - 66 * s, 7 * s, 50 * s));
    }
    // Shade the lee side to show the belly of the sail.
    p.setBrush(Gradient(QPointF(x - 24 * s, 0), QPointF(x + 26 * s, 0), QColor(0, 0, 0, 0),
                        QColor(0, 0, 0, 70)));
    p.drawRect(QRectF(x - 30 * s, water - 70 * s, 60 * s, 56 * s));
    p.restore();
}

}  // namespace

// Early Middle Ages: a motte-and-bailey castle of timber above a northern
// river, a longship sailing past, forested hills under a cool sky.
QImage PaintScene19() {
    QImage img = NewSceneCanvas();
    const ColorStop sky[] = {
        {0.0, QColor(92, 126, 170)}, {0.6, QColor(160, 184, 206)}, {1.0, QColor(206, 214, 214)}};
    FillSky(img, sky, 3, 0, 200);
    CloudStyle clouds{QColor(246, 246, 244), QColor(140, 150, 170), 0.55, 100.0, 40.0, 0.9, 1901};
    PaintClouds(img, 0, 160, clouds);

    LandStyle far{182, 60,       0.006, 4,   true, QColor(120, 140, 160), QColor(140, 158, 168),
                  0.0, QColor(), 40.0,  1902};
    PaintLand(img, far);
    LandStyle forest{208,
                     36,
                     0.01,
                     4,
                     false,
                     QColor(70, 100, 82),
                     QColor(86, 112, 88),
                     0.5,
                     QColor(50, 80, 64),
                     12.0,
                     1903};
    std::vector<double> forestEdge = PaintLand(img, forest);
    {
        CanvasPainter p(img);
        // Spruce tips along the forest crest.
        for (int x = 0; x < kWidth; x += 5) {
            const double g = forestEdge[static_cast<std::size_t>(x)] + 6;
            FlatConifer(p, x + (x * 7 % 3), g, 10 + (x * 13 % 7), QColor(64, 96, 78));
        }
    }
    Haze(img, 150, 214, QColor(196, 206, 208), 0.0, 0.35, HazeRamp::Smooth);

    WaterStyle river{
        QColor(120, 146, 160), QColor(56, 82, 96), 0.6, 2.5, 0.3, QColor(255, 250, 230), 1904};
    PaintWater(img, 214, 320, river);

    Rng rng(19);

    {
        CanvasPainter p(img);

        // The right bank with the castle.
        QPainterPath bank;
        bank.moveTo(230, 320);
        bank.cubicTo(250, 262, 280, 232, 330, 222);
        bank.lineTo(520, 214);
        bank.lineTo(520, 320);
        bank.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(
            Gradient(QPointF(0, 214), QPointF(0, 320), QColor(118, 146, 82), QColor(78, 108, 54)));
        p.drawPath(bank);

        // The motte: a steep earth mound with a ditch around its foot.
        QPainterPath motte;
        motte.moveTo(330, 242);
        motte.cubicTo(356, 238, 372, 176, 398, 170);
        motte.lineTo(456, 170);
        motte.cubicTo(482, 176, 494, 232, 520, 238);
        motte.lineTo(520, 250);
        motte.lineTo(330, 250);
        motte.closeSubpath();
        p.setBrush(
            Gradient(QPointF(340, 0), QPointF(520, 0), QColor(140, 164, 92), QColor(84, 110, 60)));
        p.drawPath(motte);
        p.setBrush(QColor(96, 84, 60, 120));
        p.drawRect(QRectF(330, 246, 190, 5));
        // Palisade ring on the summit and the keep inside it.
        p.setBrush(Gradient(QPointF(404, 0), QPointF(452, 0), kTimberLit, kTimberShade));
        p.drawRect(QRectF(406, 112, 44, 52));
        p.setPen(QPen(QColor(84, 60, 38), 0.8));
        for (double x = 409; x < 450; x += 4) {
            p.drawLine(QPointF(x, 112), QPointF(x, 164));
        }
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(56, 40, 26));
        p.drawRect(QRectF(416, 124, 5, 8));
        p.drawRect(QRectF(436, 124, 5, 8));
        p.setBrush(kTimberLit.darker(110));
        p.drawRect(QRectF(400, 104, 56, 8));
        QPolygonF keepRoof;
        keepRoof << QPointF(398, 105) << QPointF(428, 80) << QPointF(458, 105);
        p.setBrush(
            Gradient(QPointF(398, 0), QPointF(458, 0), QColor(150, 112, 72), QColor(96, 70, 44)));
        p.drawPolygon(keepRoof);
        // Banner.
        p.setPen(QPen(QColor(60, 44, 30), 1.0));
        p.drawLine(QPointF(428, 80), QPointF(428, 64));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(190, 40, 36));
        QPolygonF flag;
        flag << QPointF(428, 64) << QPointF(442, 67) << QPointF(428, 71);
        p.drawPolygon(flag);
        DrawPalisade(p, QPointF(392, 174), QPointF(462, 174), 11, 4);

        // The bailey below: palisade, a hall and huts.
        DrawHall(p, 262, 262, 52, 14);
        DrawHall(p, 322, 272, 28, 10);
        DrawPalisade(p, QPointF(248, 286), QPointF(360, 286), 12, 4.5);
        DrawPalisade(p, QPointF(360, 286), QPointF(372, 250), 12, 4.5);
        // Gate tower where the bridge climbs the motte.
        p.setPen(QPen(QColor(110, 80, 50), 2.0));
        p.drawLine(QPointF(372, 250), QPointF(404, 176));
        p.drawLine(QPointF(378, 252), QPointF(410, 178));
        p.setPen(QPen(QColor(90, 66, 42), 1.0));
        for (int i = 0; i < 10; ++i) {
            const double t = i / 9.0;
            p.drawLine(QPointF(372 + 32 * t, 250 - 74 * t), QPointF(378 + 32 * t, 252 - 74 * t));
        }
        p.setPen(Qt::NoPen);

        DrawSmoke(p, QPointF(290, 232), QPointF(-40, -70), 12, 3, 18, QColor(210, 210, 206, 130),
                  rng);

        // Trees on the near bank.
        for (int i = 0; i < 5; ++i) {
            const double x = 470 + i * 12 + rng.Range(-4, 4);
            FlatConifer(p, x, 300 + rng.Range(0, 16), rng.Range(40, 60), QColor(56, 88, 66));
        }

        // Its reflection: the same ship mirrored about the waterline, faint.
        p.save();
        p.translate(0, 2 * 258);
        p.scale(1, -1);
        p.setOpacity(0.28);
        DrawLongship(p, 150, 256, 150);
        p.restore();
        DrawLongship(p, 150, 256, 150);

        // Rocky near shore on the left.
        QPainterPath shore;
        shore.moveTo(-5, 320);
        shore.lineTo(-5, 286);
        shore.cubicTo(40, 282, 90, 300, 130, 320);
        shore.closeSubpath();
        p.setBrush(QColor(96, 104, 80));
        p.drawPath(shore);
        for (int i = 0; i < 8; ++i) {
            const double x = rng.Range(0, 110);
            const double y = rng.Range(296, 318);
            p.setBrush(Gradient(QPointF(x - 8, y - 8), QPointF(x + 8, y + 4), QColor(160, 160, 150),
                                QColor(90, 92, 88)));
            p.drawEllipse(QPointF(x, y), rng.Range(6, 12), rng.Range(4, 7));
        }
        GrassTufts(p, rng, 280, 322, 50,
                   {QColor(70, 96, 50), QColor(140, 160, 90), 8.0, 3, 3, 1.0, 1.0});
        DrawBird(p, 210, 70, 10, QColor(40, 44, 52));
        DrawBird(p, 230, 62, 8, QColor(40, 44, 52));
    }
    return img;
}

}  // namespace orb::art
