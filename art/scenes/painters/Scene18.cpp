#include "kit/PaintKit.h"
#include "scenes/ScenePainters.h"
#include "scenes/painters/AgesKit.h"

#include <algorithm>
#include <cmath>

namespace orb::art {

using namespace ages;

namespace {

const QColor kMarbleLit(246, 240, 226);
const QColor kMarbleShade(176, 170, 168);

// A Doric temple front with a pediment, standing on three steps.
void DrawTemple(QPainter& p, double left, double base, double width) {
    p.setPen(Qt::NoPen);
    const double unit = width / 20.0;
    // Steps.
    for (int i = 0; i < 3; ++i) {
        const double inset = i * unit * 0.5;
        p.setBrush(i % 2 == 0 ? kMarbleLit : QColor(226, 220, 206));
        p.drawRect(
            QRectF(left + inset, base - (i + 1) * unit * 0.55, width - 2 * inset, unit * 0.55));
    }
    const double stylobate = base - 3 * unit * 0.55;
    const double colH = unit * 7.5;
    const double innerL = left + unit * 1.8;
    const double innerW = width - unit * 3.6;
    // The shaded cella wall behind the columns.
    p.setBrush(QColor(150, 140, 130));
    p.drawRect(QRectF(innerL, stylobate - colH, innerW, colH));
    p.setBrush(QColor(118, 108, 100));
    p.drawRect(QRectF(innerL + innerW * 0.42, stylobate - colH * 0.75, innerW * 0.16, colH * 0.75));
    const int cols = 8;
    const double step = innerW / (cols - 1);
    for (int i = 0; i < cols; ++i) {
        const double cx = innerL + i * step;
        const double r = unit * 0.55;
        p.setBrush(Gradient(QPointF(cx - r, 0), QPointF(cx + r, 0), kMarbleLit, kMarbleShade));
        QPolygonF shaft;
        shaft << QPointF(cx - r, stylobate) << QPointF(cx - r * 0.82, stylobate - colH)
              << QPointF(cx + r * 0.82, stylobate - colH) << QPointF(cx + r, stylobate);
        p.drawPolygon(shaft);
        p.setBrush(kMarbleLit);
        p.drawRect(QRectF(cx - r * 1.25, stylobate - colH - unit * 0.35, r * 2.5, unit * 0.35));
    }
    // Architrave and frieze with triglyphs.
    const double entTop = stylobate - colH - unit * 1.9;
    p.setBrush(kMarbleLit);
    p.drawRect(QRectF(left + unit * 1.1, entTop, width - unit * 2.2, unit * 1.6));
    p.setBrush(QColor(200, 194, 184));
    p.drawRect(QRectF(left + unit * 1.1, entTop + unit * 0.75, width - unit * 2.2, unit * 0.12));
    p.setBrush(QColor(120, 126, 150));
    for (int i = 0; i < 15; ++i) {
        const double x = left + unit * 1.5 + i * (width - unit * 3.3) / 14.0;
        p.drawRect(QRectF(x, entTop + unit * 0.1, unit * 0.35, unit * 0.6));
    }
    // Pediment.
    QPolygonF ped;
    ped << QPointF(left + unit * 0.7, entTop) << QPointF(left + width * 0.5, entTop - unit * 3.2)
        << QPointF(left + width - unit * 0.7, entTop);
    p.setBrush(kMarbleLit);
    p.drawPolygon(ped);
    QPolygonF tymp;
    tymp << QPointF(left + unit * 2.0, entTop - unit * 0.3)
         << QPointF(left + width * 0.5, entTop - unit * 2.6)
         << QPointF(left + width - unit * 2.0, entTop - unit * 0.3);
    p.setBrush(QColor(196, 188, 180));
    p.drawPolygon(tymp);
}

// An aqueduct running from near the right edge toward the distance: two tiers
// of arches whose size shrinks with depth.
void DrawAqueduct(QPainter& p, QPointF nearFoot, QPointF farFoot, double nearH, double farH,
                  int arches) {
    p.setPen(Qt::NoPen);
    // Arch positions along the run, closer together as they recede.
    std::vector<double> xs;
    std::vector<double> foot;
    std::vector<double> h;
    for (int i = 0; i <= arches; ++i) {
        const double t = 1.0 - std::pow(1.0 - static_cast<double>(i) / arches, 1.6);
        xs.push_back(nearFoot.x() + (farFoot.x() - nearFoot.x()) * t);
        foot.push_back(nearFoot.y() + (farFoot.y() - nearFoot.y()) * t);
        h.push_back(nearH + (farH - nearH) * t);
    }
    QPainterPath wall;
    wall.moveTo(xs[0], foot[0]);
    for (int i = 0; i <= arches; ++i) {
        wall.lineTo(xs[static_cast<std::size_t>(i)],
                    foot[static_cast<std::size_t>(i)] - h[static_cast<std::size_t>(i)]);
    }
    wall.lineTo(xs.back(), foot.back());
    wall.closeSubpath();
    QPainterPath holes;
    for (int i = 0; i < arches; ++i) {
        const auto a = static_cast<std::size_t>(i);
        const double x0 = xs[a];
        const double x1 = xs[a + 1];
        const double bay = x0 - x1;
        const double pier = bay * 0.22;
        const double g0 = foot[a];
        const double g1 = foot[a + 1];
        const double hh = (h[a] + h[a + 1]) * 0.5;
        // Lower tier: tall arch.
        const double l = x1 + pier * 0.5;
        const double r = x0 - pier * 0.5;
        const double span = r - l;
        const double ground = (g0 + g1) * 0.5;
        const double spring = ground - hh * 0.5;
        QPainterPath low;
        low.moveTo(l, ground + 1);
        low.lineTo(l, spring);
        low.arcTo(QRectF(l, spring - span * 0.5, span, span), 180, -180);
        low.lineTo(r, ground + 1);
        low.closeSubpath();
        holes.addPath(low);
        // Upper tier: two small arches per bay.
        const double uBase = ground - hh * 0.66;
        const double uTop = ground - hh * 0.9;
        for (int k = 0; k < 2; ++k) {
            const double ul = x1 + bay * (0.12 + k * 0.5);
            const double uw = bay * 0.3;
            QPainterPath up;
            up.moveTo(ul, uBase);
            up.lineTo(ul, uTop + uw * 0.5);
            up.arcTo(QRectF(ul, uTop, uw, uw), 180, -180);
            up.lineTo(ul + uw, uBase);
            up.closeSubpath();
            holes.addPath(up);
        }
    }
    const QPainterPath solid = wall.subtracted(holes);
    p.setBrush(Gradient(QPointF(0, nearFoot.y() - nearH), QPointF(0, nearFoot.y()),
                        QColor(232, 200, 152), QColor(186, 150, 108)));
    p.drawPath(solid);
    // Shadowed inner faces of the arches, a thin band inside each opening.
    p.setBrush(QColor(120, 92, 66, 150));
    p.drawPath(holes.subtracted(holes.translated(-2.0, 0.0)).intersected(wall));
    // String courses between the tiers and the water channel along the top.
    p.setPen(QPen(QColor(150, 118, 84), 1.0));
    for (int i = 0; i < arches; ++i) {
        const auto a = static_cast<std::size_t>(i);
        const double hh0 = h[a];
        const double hh1 = h[a + 1];
        p.drawLine(QPointF(xs[a], foot[a] - hh0 * 0.66),
                   QPointF(xs[a + 1], foot[a + 1] - hh1 * 0.66));
        p.drawLine(QPointF(xs[a], foot[a] - hh0 * 0.93),
                   QPointF(xs[a + 1], foot[a + 1] - hh1 * 0.93));
    }
}

}  // namespace

// Classical antiquity: a marble temple on a rocky acropolis above the sea, an
// aqueduct striding across the plain and a paved road lined with cypresses.
QImage PaintScene18() {
    QImage img = NewSceneCanvas();
    const ColorStop sky[] = {
        {0.0, QColor(36, 92, 182)}, {0.6, QColor(118, 170, 222)}, {1.0, QColor(214, 226, 232)}};
    FillSky(img, sky, 3, 0, 170);
    CloudStyle clouds{QColor(255, 255, 255), QColor(180, 192, 214), 0.3, 120.0, 40.0, 0.9, 1801};
    PaintClouds(img, 0, 120, clouds);

    // The sea to the horizon, with a far island.
    const int horizon = 164;
    LandStyle island{
        horizon, 18,       0.012, 4,   false, QColor(150, 170, 196), QColor(160, 178, 200),
        0.0,     QColor(), 40.0,  1802};
    std::vector<double> isl = PaintLand(img, island);
    for (int y = horizon; y < kHeight; ++y) {
        const QColor c = Mix(QColor(70, 120, 178), QColor(38, 84, 150), (y - horizon) / 60.0);
        QRgb* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < kWidth; ++x) {
            if (isl[static_cast<std::size_t>(x)] < horizon - 4.0 && x > 380) {
                continue;
            }
            row[x] = c.rgb();
        }
    }
    // Glitter on the open sea.
    WaterStyle sea{
        QColor(84, 134, 186), QColor(40, 88, 156), 0.25, 2.0, 0.6, QColor(255, 250, 230), 1803};
    PaintWater(img, horizon, 200, sea);

    // Plain with distant hills toward the right.
    LandStyle hills{196, 34,       0.007, 4,   false, QColor(150, 160, 140), QColor(170, 164, 120),
                    0.0, QColor(), 40.0,  1804};
    std::vector<double> hillEdge = PaintLand(img, hills);
    // Keep the sea visible on the left by painting the hills only rightward:
    // the acropolis rock covers the seam.
    LandStyle plain{222,
                    8,
                    0.01,
                    4,
                    false,
                    QColor(190, 176, 112),
                    QColor(170, 150, 90),
                    0.4,
                    QColor(140, 150, 84),
                    30.0,
                    1805};
    std::vector<double> plainEdge = PaintLand(img, plain);

    Rng rng(18);

    {
        CanvasPainter p(img);

        // The acropolis rock.
        QPainterPath rock;
        rock.moveTo(-10, 240);
        rock.lineTo(-10, 150);
        rock.cubicTo(20, 140, 40, 130, 80, 128);
        rock.lineTo(250, 126);
        rock.cubicTo(280, 132, 300, 170, 330, 226);
        rock.lineTo(330, 240);
        rock.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(Gradient(QPointF(0, 126), QPointF(0, 240), QColor(206, 180, 140),
                            QColor(150, 124, 92)));
        p.drawPath(rock);
        // Cliff faces: darker vertical streaks on the rock.
        p.save();
        p.setClipPath(rock);
        for (int i = 0; i < 34; ++i) {
            const double x = rng.Range(0, 330);
            const double w = rng.Range(3, 10);
            const double top = 132 + rng.Range(0, 30);
            const double len = rng.Range(16, 60);
            QPolygonF streak;
            streak << QPointF(x, top) << QPointF(x + w, top + w * 0.4)
                   << QPointF(x + w * 0.7, top + len) << QPointF(x + w * 0.2, top + len * 1.1);
            p.setBrush(QColor(126, 100, 74, rng.Int(30, 70)));
            p.drawPolygon(streak);
        }
        p.restore();
        // Scrub on the slopes.
        for (int i = 0; i < 40; ++i) {
            const double x = rng.Range(0, 320);
            const double y = rng.Range(160, 236);
            if (!rock.contains(QPointF(x, y - 4))) {
                continue;
            }
            p.setBrush(QColor(96, 118, 70));
            p.drawEllipse(QPointF(x, y), rng.Range(3, 7), rng.Range(2, 4));
        }

        DrawTemple(p, 104, 128, 136);

        DrawAqueduct(p, QPointF(540, 246), QPointF(350, 214), 108, 34, 9);

        GrassTufts(p, rng, 250, 322, 120,
                   {QColor(150, 130, 70), QColor(220, 200, 130), 8.0, 3, 3, 1.0, 1.0});
        // The paved road to the vanishing point on the plain.
        const QPointF vp(340, 220);
        QPolygonF road;
        road << QPointF(vp.x() - 3, vp.y()) << QPointF(vp.x() + 3, vp.y()) << QPointF(400, 320)
             << QPointF(170, 320);
        p.setBrush(QColor(140, 132, 120));
        p.drawPolygon(road);
        p.setPen(QPen(QColor(96, 88, 80), 1.0));
        for (int i = 1; i < 26; ++i) {
            const double t = std::pow(i / 26.0, 2.0);
            const double y = vp.y() + (320 - vp.y()) * t;
            const double xl = vp.x() - 3 + (170 - vp.x() + 3) * t;
            const double xr = vp.x() + 3 + (400 - vp.x() - 3) * t;
            p.drawLine(QPointF(xl, y), QPointF(xr, y));
            const double cells = 3 + t * 6;
            for (int k = 1; k < cells; ++k) {
                const double u = (k + (i % 2) * 0.5) / cells;
                const double t2 = std::pow((i - 1) / 26.0, 2.0);
                const double y2 = vp.y() + (320 - vp.y()) * t2;
                const double x = xl + (xr - xl) * u;
                const double x2 = vp.x() + (x - vp.x()) * (y2 - vp.y()) / std::max(1.0, y - vp.y());
                p.drawLine(QPointF(x, y), QPointF(x2, y2));
            }
        }
        // Kerbs.
        p.setPen(QPen(QColor(210, 200, 180), 2.0));
        p.drawLine(QPointF(vp.x() - 3, vp.y()), QPointF(170, 320));
        p.drawLine(QPointF(vp.x() + 3, vp.y()), QPointF(400, 320));
        p.setPen(Qt::NoPen);

        // Cypresses along both sides of the road, larger when nearer.
        for (int i = 0; i < 7; ++i) {
            const double t = std::pow((i + 1) / 7.5, 1.7);
            const double y = vp.y() + (320 - vp.y()) * t;
            const double dl = vp.x() - 10 + (120 - vp.x()) * t;
            const double dr = vp.x() + 10 + (460 - vp.x()) * t;
            const double h = 12 + 130 * t;
            DrawCypress(p, dr, y, h, QColor(52, 86, 50));
            if (i < 5) {
                DrawCypress(p, dl, y, h, QColor(52, 86, 50));
            }
        }
        // Olive trees in the left foreground.
        for (int i = 0; i < 5; ++i) {
            const double x = 14 + i * 30 + rng.Range(-6, 6);
            DrawLeafyTree(p, x, 266 + rng.Range(0, 30), rng.Range(36, 50), QColor(130, 146, 110),
                          QColor(96, 82, 64), rng);
        }
        // A milestone by the road.
        p.setBrush(Gradient(QPointF(410, 0), QPointF(424, 0), QColor(236, 230, 214),
                            QColor(170, 162, 150)));
        p.drawRoundedRect(QRectF(408, 262, 14, 30), 6, 6);
        (void)hillEdge;
        (void)plainEdge;
    }
    return img;
}

}  // namespace orb::art
