#include <cmath>

#include "kit/PaintKit.h"
#include "scenes/ScenePainters.h"
#include "scenes/painters/LifeKit.h"

namespace orb::art {

namespace {

// A cup sponge of the first reefs, opening upward.
void CupSponge(QPainter& p, double x, double baseY, double h, QColor c) {
    const QPainterPath body = Tube(QPointF(x, baseY), QPointF(x - h * 0.05, baseY - h * 0.5),
                                   QPointF(x + h * 0.05, baseY - h), h * 0.22, h * 0.5);
    p.setPen(Qt::NoPen);
    p.setBrush(Gradient(QPointF(x - h * 0.25, 0), QPointF(x + h * 0.25, 0), c.lighter(130), c, 0.5,
                        c.darker(160)));
    p.drawPath(body);
    p.save();
    p.setClipPath(body);
    p.setPen(QPen(c.darker(140), std::max(0.5, h * 0.02)));
    for (double y = baseY - h; y < baseY; y += std::max(2.0, h * 0.12)) {
        p.drawLine(QPointF(x - h, y), QPointF(x + h, y + h * 0.03));
    }
    p.restore();
    p.setBrush(c.darker(220));
    p.drawEllipse(QPointF(x + h * 0.05, baseY - h), h * 0.2, h * 0.06);
}

// A sea lily: a long stalk and a crown of feathery arms.
void Crinoid(QPainter& p, orb::art::Rng& rng, double x, double baseY, double h, QColor c) {
    const double sway = rng.Range(-0.25, 0.25) * h;
    const QPointF top(x + sway, baseY - h);
    p.setPen(QPen(c.darker(130), std::max(0.8, h * 0.025), Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath stalk(QPointF(x, baseY));
    stalk.quadTo(QPointF(x - sway * 0.3, baseY - h * 0.6), top);
    p.drawPath(stalk);
    for (int i = 0; i < 7; ++i) {
        const double a = -3.14159 * (0.15 + 0.7 * i / 6.0);
        const double len = h * 0.3;
        const QPointF tip = top + QPointF(std::cos(a) * len, std::sin(a) * len * 0.9);
        Frond(p, top, top + QPointF(std::cos(a) * len * 0.3, -len * 0.5), tip, len * 0.16,
              c.darker(120), Mix(c, c.lighter(135), i / 6.0), 10, std::max(0.6, h * 0.012));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(c.darker(110));
    p.drawEllipse(top, h * 0.04, h * 0.035);
}

void Jelly(QPainter& p, double x, double y, double r) {
    p.setPen(QPen(QColor(220, 240, 250, 90), 0.8));
    for (int i = 0; i < 6; ++i) {
        QPainterPath t(QPointF(x - r * 0.7 + i * r * 0.28, y));
        t.quadTo(QPointF(x - r * 0.9 + i * r * 0.32, y + r * 1.4),
                 QPointF(x - r * 0.6 + i * r * 0.26, y + r * 2.6));
        p.drawPath(t);
    }
    QRadialGradient g(QPointF(x, y - r * 0.4), r * 1.1);
    g.setColorAt(0.0, QColor(235, 245, 255, 150));
    g.setColorAt(1.0, QColor(170, 210, 240, 60));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    QPainterPath bell;
    bell.moveTo(x - r, y);
    bell.cubicTo(x - r, y - r * 1.2, x + r, y - r * 1.2, x + r, y);
    bell.quadTo(x, y - r * 0.25, x - r, y);
    p.drawPath(bell);
}

}  // namespace

// Under the Cambrian and Ordovician sea: light shafts from the rippled surface,
// sponge and coral reefs fading into blue, trilobites on the sandy floor and
// a straight-shelled nautiloid cruising above them.
QImage PaintScene06() {
    using namespace life;
    QImage image = NewSceneCanvas();
    const QColor deep(26, 88, 118);
    const ColorStop water[] = {{0.0, QColor(120, 214, 222)},
                               {0.12, QColor(64, 170, 196)},
                               {0.55, QColor(36, 118, 150)},
                               {1.0, deep}};
    FillSky(image, water, 4, 0, 320);
    // The underside of the surface: bright rippled cells around the sun.
    for (int y = 0; y < 34; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < 512; ++x) {
            const double n = Fbm(x / 26.0, y / 5.0, 3, 601);
            const double sun = std::exp(-((x - 330.0) * (x - 330.0)) / 9000.0);
            const double a = SmoothStep(0.45, 0.75, n) * (1.0 - y / 34.0) * (0.45 + 0.55 * sun);
            const QColor c =
                Mix(QColor(qRed(row[x]), qGreen(row[x]), qBlue(row[x])), QColor(235, 255, 250), a);
            row[x] = c.rgb();
        }
    }
    Rng rng(0x0606);
    {
        CanvasPainter p(image);
        Glow(p, QPointF(330, -20), 120, QColor(240, 255, 245), 0.6);
        // Light shafts fanning down from the sun's window.
        for (int i = 0; i < 9; ++i) {
            const double x0 = 250 + i * 20 + rng.Range(-8, 8);
            const double spread = (x0 - 330) * 1.6;
            const double w = rng.Range(6, 16);
            p.setBrush(Gradient(QPointF(0, 0), QPointF(0, 260),
                                QColor(230, 255, 250, static_cast<int>(rng.Range(40, 70))),
                                QColor(230, 255, 250, 0)));
            QPolygonF shaft;
            shaft << QPointF(x0, 0) << QPointF(x0 + w, 0) << QPointF(x0 + w * 3 + spread, 260)
                  << QPointF(x0 + spread, 260);
            p.drawPolygon(shaft);
        }

        // Distant reef banks in the blue.
        const QPainterPath reefFar = RidgePath(205, 22, 0.02, 602, 4, 0.5);
        FillVertical(p, reefFar, QColor(48, 126, 150), QColor(40, 110, 136), 180, 240);
        for (int i = 0; i < 12; ++i) {
            CupSponge(p, rng.Range(0, 512), rng.Range(206, 218), rng.Range(10, 18),
                      QColor(64, 132, 150));
        }
        const QPainterPath reefMid = RidgePath(232, 16, 0.025, 603, 4, 0.4);
        FillVertical(p, reefMid, QColor(92, 140, 134), QColor(60, 112, 118), 210, 260);
        Mottle(p, reefMid, QColor(120, 170, 150), 12, 6, 604, 0.35);
        for (int i = 0; i < 10; ++i) {
            Crinoid(p, rng, rng.Range(0, 512), rng.Range(230, 240), rng.Range(22, 38),
                    QColor(150, 130, 120));
        }
        for (int i = 0; i < 12; ++i) {
            CupSponge(p, rng.Range(0, 512), rng.Range(232, 244), rng.Range(12, 22),
                      Mix(QColor(150, 120, 96), QColor(110, 140, 130), rng.Uniform()));
        }

        // Sandy floor with rippled light.
        QPainterPath floor;
        floor.moveTo(-2, 252);
        floor.cubicTo(120, 244, 300, 256, 514, 246);
        floor.lineTo(514, 322);
        floor.lineTo(-2, 322);
        floor.closeSubpath();
        FillVertical(p, floor, QColor(110, 150, 140), QColor(186, 178, 140), 246, 320);
        Mottle(p, floor, QColor(226, 236, 200), 16, 5, 605, 0.35, 0.55);
        Mottle(p, floor, QColor(120, 120, 96), 40, 12, 606, 0.3, 0.5);

        // Foreground reef: big sponges and sea lilies at the edges.
        QPainterPath reefNear;
        reefNear.moveTo(-2, 322);
        reefNear.lineTo(-2, 226);
        reefNear.cubicTo(40, 214, 80, 250, 120, 322);
        reefNear.closeSubpath();
        FillVertical(p, reefNear, QColor(150, 120, 100), QColor(90, 70, 60), 220, 320);
        Mottle(p, reefNear, QColor(190, 150, 110), 10, 8, 607, 0.5);
        CupSponge(p, 30, 250, 52, QColor(196, 150, 90));
        CupSponge(p, 62, 262, 38, QColor(180, 110, 90));
        CupSponge(p, 460, 312, 60, QColor(186, 140, 96));
        CupSponge(p, 494, 318, 44, QColor(170, 120, 110));
        Crinoid(p, rng, 90, 286, 90, QColor(200, 120, 110));
        Crinoid(p, rng, 420, 314, 110, QColor(210, 170, 120));
        Crinoid(p, rng, 20, 236, 70, QColor(190, 150, 170));

        // Life: trilobites on the floor, a nautiloid and jellies above.
        Trilobite(p, 230, 284, 1.6, -20, QColor(150, 110, 80));
        Trilobite(p, 300, 302, 2.0, 15, QColor(140, 100, 70));
        Trilobite(p, 180, 266, 1.0, 40, QColor(150, 114, 86));
        Trilobite(p, 360, 268, 1.1, -60, QColor(156, 120, 90));
        Trilobite(p, 270, 258, 0.8, 80, QColor(150, 120, 96));
        Orthocone(p, 260, 140, 1.7, false, QColor(214, 190, 150));
        Orthocone(p, 120, 96, 0.8, true, QColor(170, 170, 160));
        Jelly(p, 400, 90, 9);
        Jelly(p, 430, 120, 6);
        Jelly(p, 90, 60, 5);
    }
    return image;
}

}  // namespace orb::art
