#include "kit/PaintKit.h"
#include "scenes/ScenePainters.h"
#include "scenes/painters/AgesKit.h"

#include <algorithm>
#include <cmath>

namespace orb::art {

using namespace ages;

namespace {

// An Art Deco tower: tiers that step back as they rise, vertical piers, and
// a crown of stacked arches (or a plain stepped top) ending in a needle.
void DrawDecoTower(QPainter& p, double cx, double ground, double w, double h, const QColor& c,
                   bool arches, Rng& rng) {
    p.setPen(Qt::NoPen);
    const double tiers[][2] = {{0.0, 1.0}, {0.55, 0.8}, {0.72, 0.62}, {0.82, 0.44}};
    const double shaftTop = ground - h * 0.9;
    for (int i = 0; i < 4; ++i) {
        const double y0 = ground - h * tiers[i][0];
        const double y1 = i < 3 ? ground - h * tiers[i + 1][0] : shaftTop;
        const double tw = w * tiers[i][1];
        const QRectF r(cx - tw / 2, y1, tw, y0 - y1);
        p.setBrush(
            Gradient(QPointF(r.left(), 0), QPointF(r.right(), 0), c.lighter(112), c.darker(135)));
        p.drawRect(r);
        // Window strips between piers.
        const int strips = std::max(2, static_cast<int>(tw / 5));
        const double sw = tw / strips;
        for (int k = 0; k < strips; ++k) {
            const double shade = static_cast<double>(k) / strips;
            p.setBrush(Mix(QColor(80, 96, 120), QColor(50, 60, 80), shade));
            p.drawRect(QRectF(r.left() + k * sw + sw * 0.3, y1 + 2, sw * 0.4, y0 - y1 - 4));
        }
        p.setBrush(c.lighter(120));
        p.drawRect(QRectF(r.left() - 1, y1, tw + 2, 2));
    }
    const double topW = w * 0.44;
    if (arches) {
        // Stacked sunburst arches in bright steel.
        for (int i = 0; i < 5; ++i) {
            const double aw = topW * (1.0 - i * 0.17);
            const double ay = shaftTop - i * aw * 0.28;
            QPainterPath arc;
            arc.moveTo(cx - aw / 2, ay);
            arc.arcTo(QRectF(cx - aw / 2, ay - aw * 0.5, aw, aw), 180, -180);
            arc.closeSubpath();
            p.setBrush(Gradient(QPointF(cx - aw / 2, 0), QPointF(cx + aw / 2, 0),
                                QColor(240, 240, 236), QColor(140, 146, 156)));
            p.drawPath(arc);
            p.setBrush(QColor(50, 56, 70));
            for (int k = -2; k <= 2; ++k) {
                QPolygonF tri;
                const double tx = cx + k * aw * 0.16;
                tri << QPointF(tx - aw * 0.04, ay - aw * 0.06)
                    << QPointF(tx, ay - aw * 0.2 * (1.0 - std::abs(k) * 0.25))
                    << QPointF(tx + aw * 0.04, ay - aw * 0.06);
                p.drawPolygon(tri);
            }
        }
        const double needleBase = shaftTop - 5 * topW * 0.2;
        QPolygonF needle;
        needle << QPointF(cx - 2, needleBase) << QPointF(cx, needleBase - h * 0.18)
               << QPointF(cx + 2, needleBase);
        p.setBrush(QColor(220, 224, 228));
        p.drawPolygon(needle);
    } else {
        for (int i = 0; i < 3; ++i) {
            const double sw = topW * (1.0 - i * 0.3);
            p.setBrush(Gradient(QPointF(cx - sw / 2, 0), QPointF(cx + sw / 2, 0), c.lighter(115),
                                c.darker(130)));
            p.drawRect(QRectF(cx - sw / 2, shaftTop - (i + 1) * h * 0.03, sw, h * 0.03));
        }
        p.setBrush(QColor(90, 90, 100));
        p.drawRect(QRectF(cx - 1, shaftTop - h * 0.16, 2, h * 0.07));
    }
    (void)rng;
}

// A 1920s motor car seen side-on, facing left.
void DrawVintageCar(QPainter& p, double x, double road, double s, const QColor& paint) {
    p.setPen(Qt::NoPen);
    // Running board and fenders.
    p.setBrush(QColor(30, 30, 32));
    p.drawRect(QRectF(x + 8 * s, road - 8 * s, 30 * s, 2 * s));
    p.drawChord(QRectF(x - 1 * s, road - 13 * s, 16 * s, 14 * s), 0, 180 * 16);
    p.drawChord(QRectF(x + 33 * s, road - 13 * s, 16 * s, 14 * s), 0, 180 * 16);
    // Body: long bonnet, upright cab.
    p.setBrush(Gradient(QPointF(0, road - 26 * s), QPointF(0, road - 6 * s), paint.lighter(140),
                        paint.darker(120)));
    QPolygonF body;
    body << QPointF(x + 1 * s, road - 9 * s) << QPointF(x + 1 * s, road - 15 * s)
         << QPointF(x + 18 * s, road - 16 * s) << QPointF(x + 20 * s, road - 26 * s)
         << QPointF(x + 42 * s, road - 26 * s) << QPointF(x + 44 * s, road - 9 * s);
    p.drawPolygon(body);
    p.setBrush(QColor(200, 210, 220));
    p.drawRect(QRectF(x + 22 * s, road - 24 * s, 8 * s, 7 * s));
    p.drawRect(QRectF(x + 32 * s, road - 24 * s, 8 * s, 7 * s));
    p.setBrush(QColor(24, 24, 26));
    p.drawRect(QRectF(x + 19 * s, road - 28 * s, 25 * s, 2.5 * s));
    // Radiator and lamp.
    p.setBrush(QColor(200, 190, 160));
    p.drawRect(QRectF(x, road - 16 * s, 2 * s, 8 * s));
    p.setBrush(QColor(250, 240, 200));
    p.drawEllipse(QPointF(x + 4 * s, road - 17 * s), 1.6 * s, 1.6 * s);
    // Spoked wheels.
    for (double wx : {x + 7 * s, x + 41 * s}) {
        p.setBrush(QColor(26, 26, 28));
        p.drawEllipse(QPointF(wx, road - 5 * s), 5 * s, 5 * s);
        p.setBrush(QColor(210, 200, 180));
        p.drawEllipse(QPointF(wx, road - 5 * s), 3.4 * s, 3.4 * s);
        p.setPen(QPen(QColor(60, 56, 50), 0.6));
        for (int i = 0; i < 4; ++i) {
            const double a = i * 3.14159265 / 4;
            const QPointF d(std::cos(a) * 3.4 * s, std::sin(a) * 3.4 * s);
            p.drawLine(QPointF(wx, road - 5 * s) - d, QPointF(wx, road - 5 * s) + d);
        }
        p.setPen(Qt::NoPen);
    }
}

// A biplane flying left: two wings with struts, a round engine and a tail.
void DrawBiplane(QPainter& p, double x, double y, double s) {
    p.setPen(Qt::NoPen);
    const QColor wing(214, 60, 48);
    p.setBrush(wing.darker(120));
    p.drawRoundedRect(QRectF(x + 2 * s, y + 6 * s, 24 * s, 3 * s), 1.5 * s, 1.5 * s);
    QPainterPath fus;
    fus.moveTo(x, y + 2 * s);
    fus.lineTo(x + 8 * s, y);
    fus.lineTo(x + 44 * s, y + 3 * s);
    fus.lineTo(x + 44 * s, y + 5 * s);
    fus.lineTo(x + 8 * s, y + 8 * s);
    fus.lineTo(x, y + 6 * s);
    fus.closeSubpath();
    p.setBrush(QColor(236, 206, 80));
    p.drawPath(fus);
    QPolygonF fin;
    fin << QPointF(x + 38 * s, y + 3 * s) << QPointF(x + 44 * s, y - 6 * s)
        << QPointF(x + 46 * s, y - 6 * s) << QPointF(x + 46 * s, y + 4 * s);
    p.setBrush(wing);
    p.drawPolygon(fin);
    p.drawRoundedRect(QRectF(x + 36 * s, y + 2.5 * s, 12 * s, 2 * s), 1 * s, 1 * s);
    p.setPen(QPen(QColor(60, 50, 40), 0.8));
    p.drawLine(QPointF(x + 8 * s, y - 6 * s), QPointF(x + 8 * s, y + 7 * s));
    p.drawLine(QPointF(x + 22 * s, y - 6 * s), QPointF(x + 22 * s, y + 7 * s));
    p.setPen(Qt::NoPen);
    p.setBrush(wing);
    p.drawRoundedRect(QRectF(x, y - 8 * s, 28 * s, 3 * s), 1.5 * s, 1.5 * s);
    p.setBrush(QColor(60, 60, 64));
    p.drawEllipse(QPointF(x + 1 * s, y + 4 * s), 2 * s, 3.5 * s);
    p.setBrush(QColor(220, 220, 220, 110));
    p.drawEllipse(QPointF(x - 1.5 * s, y + 4 * s), 1.2 * s, 7 * s);
    p.setBrush(QColor(40, 34, 30));
    p.drawEllipse(QPointF(x + 18 * s, y - 1 * s), 2 * s, 2 * s);
}

void DrawAirship(QPainter& p, double x, double y, double len) {
    p.setPen(Qt::NoPen);
    const double h = len * 0.2;
    p.setBrush(Gradient(QPointF(0, y - h / 2), QPointF(0, y + h / 2), QColor(236, 236, 232),
                        QColor(150, 154, 160)));
    p.drawEllipse(QPointF(x, y), len / 2, h / 2);
    p.setBrush(QColor(150, 154, 160));
    QPolygonF fin;
    fin << QPointF(x + len * 0.36, y - h * 0.2) << QPointF(x + len * 0.5, y - h * 0.75)
        << QPointF(x + len * 0.52, y - h * 0.1);
    p.drawPolygon(fin);
    QPolygonF fin2;
    fin2 << QPointF(x + len * 0.36, y + h * 0.2) << QPointF(x + len * 0.5, y + h * 0.75)
         << QPointF(x + len * 0.52, y + h * 0.1);
    p.drawPolygon(fin2);
    p.setBrush(QColor(80, 80, 86));
    p.drawRoundedRect(QRectF(x - len * 0.16, y + h * 0.42, len * 0.16, h * 0.24), 2, 2);
    p.setPen(QPen(QColor(130, 132, 138, 120), 0.7));
    for (int i = -3; i <= 3; ++i) {
        p.drawLine(QPointF(x + i * len * 0.1, y - h * 0.48 * std::sqrt(1 - std::pow(i * 0.2, 2))),
                   QPointF(x + i * len * 0.1, y + h * 0.48 * std::sqrt(1 - std::pow(i * 0.2, 2))));
    }
    p.setPen(Qt::NoPen);
}

}  // namespace

// 1911 to 1940: an Art Deco skyline in the sun, a biplane and an airship
// overhead, vintage cars on the boulevard in front.
QImage PaintScene23() {
    QImage img = NewSceneCanvas();
    const ColorStop sky[] = {
        {0.0, QColor(60, 110, 180)}, {0.6, QColor(140, 184, 220)}, {1.0, QColor(236, 222, 196)}};
    FillSky(img, sky, 3, 0, 250);
    CloudStyle clouds{QColor(255, 252, 244), QColor(186, 190, 208), 0.3, 120.0, 30.0, 0.9, 2301};
    PaintClouds(img, 10, 140, clouds);

    Rng rng(23);

    {
        CanvasPainter p(img);

        // Far skyline in blue haze.
        for (int i = 0; i < 16; ++i) {
            const double x = i * 34 + rng.Range(-8, 8);
            const double h = rng.Range(40, 100);
            const double w = rng.Range(18, 30);
            p.setBrush(QColor(150, 168, 190));
            p.drawRect(QRectF(x, 236 - h, w, h));
            p.drawRect(QRectF(x + w * 0.25, 236 - h - h * 0.15, w * 0.5, h * 0.15));
        }
        // The main towers.
        DrawDecoTower(p, 130, 240, 56, 190, QColor(212, 196, 170), false, rng);
        DrawDecoTower(p, 300, 240, 62, 220, QColor(200, 200, 204), true, rng);
        DrawDecoTower(p, 420, 240, 50, 160, QColor(220, 190, 150), false, rng);
        DrawDecoTower(p, 40, 240, 40, 120, QColor(196, 170, 140), false, rng);
        DrawDecoTower(p, 220, 240, 40, 130, QColor(214, 204, 184), false, rng);
        // Lower blocks along the street.
        double x = -4;
        while (x < kWidth) {
            const double w = rng.Range(30, 56);
            const double h = rng.Range(30, 60);
            const QColor c = Mix(QColor(190, 150, 120), QColor(220, 206, 180), rng.Uniform());
            p.setBrush(c);
            p.drawRect(QRectF(x, 250 - h, w, h));
            p.setBrush(c.lighter(115));
            p.drawRect(QRectF(x - 1, 250 - h, w + 2, 3));
            DrawWindows(p, QRectF(x + 3, 254 - h, w - 6, h - 14), static_cast<int>(w / 8),
                        static_cast<int>(h / 10), 1.5, QColor(70, 80, 100), QColor(140, 160, 190),
                        0.25, rng);
            p.setBrush(QColor(120, 50, 40));
            p.drawRect(QRectF(x + 2, 244, w - 4, 4));
            x += w + 1;
        }
    }
    Haze(img, 60, 250, QColor(230, 220, 204), 0.0, 0.25, HazeRamp::Smooth);
    {
        CanvasPainter p(img);

        DrawAirship(p, 420, 60, 110);
        DrawBiplane(p, 150, 80, 1.3);

        // Pavement, kerb and road.
        p.setBrush(QColor(186, 180, 170));
        p.drawRect(QRectF(0, 250, kWidth, 12));
        p.setBrush(QColor(150, 144, 136));
        p.drawRect(QRectF(0, 262, kWidth, 2));
        p.setBrush(
            Gradient(QPointF(0, 264), QPointF(0, 320), QColor(96, 94, 92), QColor(60, 58, 58)));
        p.drawRect(QRectF(0, 264, kWidth, 56));
        p.setBrush(QColor(220, 214, 190));
        for (double dx = 10; dx < kWidth; dx += 40) {
            p.drawRect(QRectF(dx, 290, 20, 2));
        }
        // Lamp posts.
        for (double lx = 30; lx < kWidth; lx += 120) {
            p.setBrush(QColor(40, 50, 46));
            p.drawRect(QRectF(lx, 204, 2.5, 56));
            p.drawRect(QRectF(lx - 3, 258, 8.5, 3));
            p.setBrush(QColor(250, 244, 220));
            p.drawEllipse(QPointF(lx + 1.25, 202), 4, 5);
        }
        // The cars.
        DrawVintageCar(p, 60, 284, 1.5, QColor(30, 34, 36));
        DrawVintageCar(p, 300, 284, 1.5, QColor(120, 30, 34));
        DrawVintageCar(p, 380, 312, 1.8, QColor(30, 80, 60));
        DrawVintageCar(p, 180, 312, 1.8, QColor(196, 170, 120));
        // Pedestrians on the pavement.
        DrawPerson(p, 240, 258, 14, QColor(50, 50, 60));
        DrawPerson(p, 252, 259, 13, QColor(150, 60, 60));
        DrawPerson(p, 460, 258, 14, QColor(70, 70, 80));
    }
    return img;
}

}  // namespace orb::art
