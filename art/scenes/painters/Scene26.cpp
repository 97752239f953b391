#include "kit/PaintKit.h"
#include "scenes/ScenePainters.h"
#include "scenes/painters/AgesKit.h"

#include <algorithm>
#include <cmath>

namespace orb::art {

using namespace ages;

namespace {

void DrawTurbine(QPainter& p, double x, double ground, double h, double angle, double haze) {
    const QColor white = Mix(QColor(250, 250, 248), QColor(190, 206, 220), haze);
    const QColor shade = Mix(QColor(196, 200, 206), QColor(180, 196, 212), haze);
    p.setPen(Qt::NoPen);
    QPolygonF tower;
    tower << QPointF(x - h * 0.025, ground) << QPointF(x - h * 0.012, ground - h)
          << QPointF(x + h * 0.012, ground - h) << QPointF(x + h * 0.025, ground);
    p.setBrush(Gradient(QPointF(x - h * 0.025, 0), QPointF(x + h * 0.025, 0), white, shade));
    p.drawPolygon(tower);
    const QPointF hub(x, ground - h);
    p.setBrush(white);
    p.drawRoundedRect(QRectF(x - h * 0.03, ground - h - h * 0.025, h * 0.09, h * 0.05), 2, 2);
    const double len = h * 0.5;
    for (int i = 0; i < 3; ++i) {
        const double a = angle + i * 2.0 * kPi / 3.0;
        const QPointF d(std::cos(a), std::sin(a));
        const QPointF n(-d.y(), d.x());
        QPolygonF blade;
        blade << hub + n * (h * 0.018) << hub + d * (len * 0.25) + n * (h * 0.03) << hub + d * len
              << hub - n * (h * 0.01);
        p.setBrush(i == 0 ? shade : white);
        p.drawPolygon(blade);
    }
    p.setBrush(shade);
    p.drawEllipse(hub, h * 0.02, h * 0.02);
}

// A glass tower whose outline swells and tapers, banded with green terraces.
void DrawCurvedTower(QPainter& p, double cx, double ground, double w, double h, double twist,
                     const QColor& glass) {
    QPainterPath body;
    body.moveTo(cx - w * 0.45, ground);
    body.cubicTo(cx - w * 0.62, ground - h * 0.4, cx - w * 0.45 + twist, ground - h * 0.85,
                 cx - w * 0.12 + twist, ground - h);
    body.lineTo(cx + w * 0.2 + twist, ground - h * 1.02);
    body.cubicTo(cx + w * 0.5 + twist, ground - h * 0.8, cx + w * 0.62, ground - h * 0.4,
                 cx + w * 0.45, ground);
    body.closeSubpath();
    p.setPen(Qt::NoPen);
    QLinearGradient g(QPointF(cx - w * 0.6, 0), QPointF(cx + w * 0.6, 0));
    g.setColorAt(0.0, glass.lighter(150));
    g.setColorAt(0.35, glass.lighter(115));
    g.setColorAt(0.6, glass);
    g.setColorAt(1.0, glass.darker(160));
    p.setBrush(g);
    p.drawPath(body);
    p.save();
    p.setClipPath(body);
    // Floor lines and the sky's reflection sliding down the glass.
    p.setPen(QPen(QColor(255, 255, 255, 50), 0.7));
    for (double y = ground - h; y < ground; y += 4) {
        p.drawLine(QPointF(cx - w, y), QPointF(cx + w, y));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 60));
    QPolygonF sheen;
    sheen << QPointF(cx - w * 0.3, ground - h) << QPointF(cx - w * 0.1, ground - h)
          << QPointF(cx - w * 0.35, ground) << QPointF(cx - w * 0.55, ground);
    p.drawPolygon(sheen);
    // Sky gardens every few floors.
    p.setBrush(QColor(90, 150, 70));
    for (double y = ground - h * 0.85; y < ground - 10; y += h * 0.22) {
        p.drawRect(QRectF(cx - w, y, w * 2, 3));
    }
    p.restore();
}

}  // namespace

// 2006 to 2030: the near future. Curved glass towers with sky gardens, wind
// turbines on the hills and a solar farm spread over the fields in front.
QImage PaintScene26() {
    QImage img = NewSceneCanvas();
    const ColorStop sky[] = {
        {0.0, QColor(46, 110, 200)}, {0.6, QColor(120, 180, 232)}, {1.0, QColor(210, 232, 240)}};
    FillSky(img, sky, 3, 0, 220);
    CloudStyle clouds{QColor(255, 255, 255), QColor(176, 196, 222), 0.28, 90.0, 36.0, 0.9, 2601};
    PaintClouds(img, 0, 140, clouds);

    LandStyle far{196, 46,       0.006, 4,   false, QColor(140, 176, 170), QColor(150, 184, 170),
                  0.0, QColor(), 40.0,  2602};
    const std::vector<double> farEdge = PaintLand(img, far);

    Rng rng(26);

    {
        CanvasPainter p(img);
        // Turbines along the far ridge.
        for (int i = 0; i < 9; ++i) {
            const double x = 250 + i * 30 + rng.Range(-6, 6);
            const double g = farEdge[static_cast<std::size_t>(std::clamp(x, 0.0, 511.0))] + 2;
            DrawTurbine(p, x, g, rng.Range(34, 44), rng.Range(0, 2 * kPi), 0.5);
        }
    }

    LandStyle mid{226,
                  34,
                  0.008,
                  4,
                  false,
                  QColor(110, 164, 80),
                  QColor(96, 150, 66),
                  0.3,
                  QColor(150, 180, 90),
                  50.0,
                  2603};
    const std::vector<double> midEdge = PaintLand(img, mid);

    {
        CanvasPainter p(img);
        // The city on the left.
        const QColor glassA(90, 160, 200);
        const QColor glassB(70, 130, 170);
        const QColor glassC(120, 180, 196);
        DrawCurvedTower(p, 40, 230, 40, 120, 6, glassB);
        DrawCurvedTower(p, 150, 232, 44, 150, -10, glassC);
        DrawCurvedTower(p, 100, 236, 50, 190, 12, glassA);
        DrawCurvedTower(p, 196, 234, 34, 100, 0, glassB);
        // An egg-shaped tower with a diagonal grid.
        {
            const QRectF egg(222, 150, 40, 88);
            QPainterPath e;
            e.addEllipse(egg);
            p.setBrush(Gradient(egg.topLeft(), egg.topRight(), QColor(150, 200, 210),
                                QColor(60, 100, 120)));
            p.drawPath(e);
            p.save();
            p.setClipPath(e);
            p.setPen(QPen(QColor(230, 240, 240, 90), 0.7));
            for (double d = -100; d < 100; d += 7) {
                p.drawLine(QPointF(egg.left() + d, egg.top()),
                           QPointF(egg.left() + d + 60, egg.bottom()));
                p.drawLine(QPointF(egg.left() + d + 60, egg.top()),
                           QPointF(egg.left() + d, egg.bottom()));
            }
            p.restore();
            p.setPen(Qt::NoPen);
        }
        // Low glass pavilions with green roofs at the foot of the towers, and
        // street trees in front of them.
        for (int i = 0; i < 8; ++i) {
            const double x = -4 + i * 34 + rng.Range(-3, 3);
            const double h = rng.Range(12, 20);
            DrawBlock(p, QRectF(x, 240 - h, 28, h), 4, QColor(170, 206, 220),
                      QColor(110, 150, 170));
            p.setBrush(QColor(236, 240, 240));
            for (double y = 240 - h + 4; y < 238; y += 5) {
                p.drawRect(QRectF(x, y, 28, 1));
            }
            p.setBrush(QColor(100, 160, 70));
            p.drawRoundedRect(QRectF(x - 1, 237 - h, 34, 4), 2, 2);
        }
        for (int i = 0; i < 12; ++i) {
            DrawLeafyTree(p, 6 + i * 22 + rng.Range(-4, 4), 246, rng.Range(14, 20),
                          QColor(80, 150, 70), QColor(90, 80, 70), rng);
        }
        // Nearer turbines on the middle hills.
        DrawTurbine(p, 330, midEdge[330] + 4, 90, 0.4, 0.1);
        DrawTurbine(p, 420, midEdge[420] + 4, 110, 1.2, 0.0);
        DrawTurbine(p, 490, midEdge[490] + 4, 80, 2.0, 0.15);
        // A tram line along the foot of the hill.
        p.setBrush(QColor(230, 230, 226));
        p.drawRoundedRect(QRectF(250, 236, 70, 10), 4, 4);
        p.setBrush(QColor(60, 120, 170));
        p.drawRect(QRectF(254, 238, 62, 3));
        p.setBrush(QColor(80, 80, 84));
        p.drawRect(QRectF(0, 246, kWidth, 2));

        // The solar farm: rows of tilted panels in perspective.
        p.setBrush(QColor(104, 160, 70));
        p.drawRect(QRectF(0, 248, kWidth, 72));
        const QPointF vp(256, 200);
        for (int row = 0; row < 6; ++row) {
            const double t = std::pow((row + 1) / 6.0, 1.5);
            const double y = 252 + (306 - 252) * t;
            const double ph = 2.5 + 9 * t;
            // Each row is a long strip of panels converging toward the vanishing point.
            for (int k = -12; k <= 12; ++k) {
                const double x0 = vp.x() + (k * 40.0) * (y - vp.y()) / 60.0;
                const double x1 = vp.x() + ((k + 1) * 40.0) * (y - vp.y()) / 60.0 - 2 - 4 * t;
                if (x1 < -10 || x0 > kWidth + 10) {
                    continue;
                }
                QPolygonF panel;
                panel << QPointF(x0, y) << QPointF(x1, y) << QPointF(x1 + ph * 0.1, y - ph)
                      << QPointF(x0 + ph * 0.1, y - ph);
                p.setBrush(Gradient(QPointF(0, y - ph), QPointF(0, y), QColor(120, 160, 220),
                                    QColor(28, 44, 92)));
                p.drawPolygon(panel);
                p.setPen(QPen(QColor(200, 214, 236, 110), 0.6));
                const double mx = (x0 + x1) / 2;
                p.drawLine(QPointF(mx, y), QPointF(mx + ph * 0.1, y - ph));
                p.drawLine(QPointF(x0 + ph * 0.05, y - ph / 2),
                           QPointF(x1 + ph * 0.05, y - ph / 2));
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(60, 70, 80));
                p.drawRect(QRectF(mx - 0.6, y, 1.2, 2 + 3 * t));
            }
        }
        // A strip of meadow and a footpath in front of the panels.
        p.setBrush(
            Gradient(QPointF(0, 308), QPointF(0, 320), QColor(112, 170, 74), QColor(90, 146, 60)));
        p.drawRect(QRectF(0, 308, kWidth, 12));
        p.setBrush(QColor(214, 200, 170));
        p.drawRect(QRectF(0, 313, kWidth, 4));
        GrassTufts(p, rng, 309, 322, 90,
                   {QColor(70, 120, 50), QColor(170, 200, 100), 8.0, 3, 3, 1.0, 1.0});
        DrawBird(p, 300, 70, 8, QColor(50, 60, 70));
        DrawBird(p, 316, 78, 6, QColor(50, 60, 70));
    }
    return img;
}

}  // namespace orb::art
