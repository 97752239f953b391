#include "kit/PaintKit.h"
#include "scenes/ScenePainters.h"
#include "scenes/painters/AgesKit.h"

#include <algorithm>
#include <cmath>

namespace orb::art {

using namespace ages;

namespace {

void DrawWheel(QPainter& p, QPointF c, double r) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 28, 28));
    p.drawEllipse(c, r, r);
    p.setBrush(QColor(176, 40, 32));
    p.drawEllipse(c, r * 0.8, r * 0.8);
    p.setPen(QPen(QColor(40, 30, 30), std::max(0.6, r * 0.1)));
    for (int i = 0; i < 4; ++i) {
        const double a = i * 3.14159265 / 4;
        const QPointF d(std::cos(a) * r * 0.78, std::sin(a) * r * 0.78);
        p.drawLine(c - d, c + d);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(210, 190, 120));
    p.drawEllipse(c, r * 0.18, r * 0.18);
}

// A steam locomotive running left, its tender behind it. rail is the rail top.
void DrawLocomotive(QPainter& p, double x, double rail, double s) {
    p.setPen(Qt::NoPen);
    const QColor body(34, 44, 40);
    const QColor bodyLit(72, 90, 80);
    // Frame and footplate.
    p.setBrush(QColor(150, 36, 30));
    p.drawRect(QRectF(x, rail - 12 * s, 74 * s, 3 * s));
    // Boiler.
    p.setBrush(Gradient(QPointF(0, rail - 34 * s), QPointF(0, rail - 12 * s), bodyLit, body));
    p.drawRoundedRect(QRectF(x + 4 * s, rail - 33 * s, 48 * s, 21 * s), 4 * s, 4 * s);
    p.setBrush(QColor(200, 170, 80));
    for (int i = 0; i < 3; ++i) {
        p.drawRect(QRectF(x + 14 * s + i * 12 * s, rail - 33 * s, 1.5 * s, 21 * s));
    }
    // Smokebox door, chimney, dome.
    p.setBrush(QColor(24, 26, 26));
    p.drawEllipse(QPointF(x + 4 * s, rail - 22.5 * s), 3 * s, 10 * s);
    QPolygonF stack;
    stack << QPointF(x + 9 * s, rail - 33 * s) << QPointF(x + 8 * s, rail - 46 * s)
          << QPointF(x + 6 * s, rail - 50 * s) << QPointF(x + 17 * s, rail - 50 * s)
          << QPointF(x + 15 * s, rail - 46 * s) << QPointF(x + 14 * s, rail - 33 * s);
    p.drawPolygon(stack);
    p.setBrush(QColor(200, 170, 80));
    p.drawRoundedRect(QRectF(x + 26 * s, rail - 41 * s, 9 * s, 9 * s), 4 * s, 4 * s);
    // Cab.
    p.setBrush(Gradient(QPointF(x + 52 * s, 0), QPointF(x + 74 * s, 0), QColor(70, 104, 76),
                        QColor(40, 64, 48)));
    p.drawRect(QRectF(x + 52 * s, rail - 44 * s, 22 * s, 32 * s));
    p.setBrush(QColor(28, 30, 30));
    p.drawRect(QRectF(x + 50 * s, rail - 47 * s, 26 * s, 4 * s));
    p.setBrush(QColor(230, 200, 130));
    p.drawRect(QRectF(x + 56 * s, rail - 40 * s, 7 * s, 8 * s));
    p.drawRect(QRectF(x + 65 * s, rail - 40 * s, 6 * s, 8 * s));
    // Buffer beam.
    p.setBrush(QColor(176, 40, 32));
    p.drawRect(QRectF(x - 3 * s, rail - 14 * s, 6 * s, 6 * s));
    // Wheels: small leading, two big drivers.
    DrawWheel(p, QPointF(x + 10 * s, rail - 5 * s), 5 * s);
    DrawWheel(p, QPointF(x + 32 * s, rail - 9 * s), 9 * s);
    DrawWheel(p, QPointF(x + 54 * s, rail - 9 * s), 9 * s);
    p.setPen(QPen(QColor(190, 190, 180), 1.6 * s));
    p.drawLine(QPointF(x + 30 * s, rail - 7 * s), QPointF(x + 56 * s, rail - 7 * s));
    p.setPen(Qt::NoPen);
    // Tender.
    p.setBrush(Gradient(QPointF(0, rail - 34 * s), QPointF(0, rail - 10 * s), QColor(70, 104, 76),
                        QColor(40, 64, 48)));
    p.drawRect(QRectF(x + 77 * s, rail - 32 * s, 36 * s, 22 * s));
    p.setBrush(QColor(20, 20, 22));
    p.drawRect(QRectF(x + 78 * s, rail - 36 * s, 34 * s, 4 * s));
    DrawWheel(p, QPointF(x + 86 * s, rail - 5 * s), 5 * s);
    DrawWheel(p, QPointF(x + 104 * s, rail - 5 * s), 5 * s);
}

void DrawCarriage(QPainter& p, double x, double rail, double s) {
    p.setPen(Qt::NoPen);
    p.setBrush(Gradient(QPointF(0, rail - 36 * s), QPointF(0, rail - 10 * s), QColor(150, 56, 46),
                        QColor(96, 32, 28)));
    p.drawRoundedRect(QRectF(x, rail - 34 * s, 60 * s, 24 * s), 2 * s, 2 * s);
    p.setBrush(QColor(60, 60, 64));
    QPainterPath roof;
    roof.moveTo(x - 1 * s, rail - 34 * s);
    roof.quadTo(x + 30 * s, rail - 42 * s, x + 61 * s, rail - 34 * s);
    roof.closeSubpath();
    p.drawPath(roof);
    p.setBrush(QColor(236, 220, 170));
    for (int i = 0; i < 6; ++i) {
        p.drawRoundedRect(QRectF(x + 4 * s + i * 9.4 * s, rail - 30 * s, 6 * s, 8 * s), 1.5 * s,
                          1.5 * s);
    }
    p.setBrush(QColor(210, 180, 90));
    p.drawRect(QRectF(x, rail - 19 * s, 60 * s, 1 * s));
    DrawWheel(p, QPointF(x + 10 * s, rail - 5 * s), 5 * s);
    DrawWheel(p, QPointF(x + 50 * s, rail - 5 * s), 5 * s);
}

// A factory hall with a saw-tooth roof.
void DrawFactory(QPainter& p, double x, double ground, double w, double h, const QColor& c) {
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    QPolygonF shape;
    shape << QPointF(x, ground) << QPointF(x, ground - h);
    const int teeth = std::max(2, static_cast<int>(w / 12));
    const double tw = w / teeth;
    for (int i = 0; i < teeth; ++i) {
        shape << QPointF(x + i * tw, ground - h - tw * 0.6)
              << QPointF(x + (i + 1) * tw, ground - h);
    }
    shape << QPointF(x + w, ground);
    p.drawPolygon(shape);
}

}  // namespace

// 1851 to 1910: a steam train crossing an iron girder bridge over the river,
// mill chimneys smoking over the town behind.
QImage PaintScene22() {
    QImage img = NewSceneCanvas();
    const ColorStop sky[] = {
        {0.0, QColor(104, 130, 168)}, {0.55, QColor(186, 184, 176)}, {1.0, QColor(226, 206, 170)}};
    FillSky(img, sky, 3, 0, 215);
    CloudStyle clouds{QColor(240, 232, 216), QColor(150, 146, 146), 0.45, 150.0, 30.0, 0.8, 2201};
    PaintClouds(img, 0, 150, clouds);
    ScreenGlow(img, QPointF(110, 70), 160, QColor(255, 230, 180), 0.5);

    LandStyle hills{196, 30,       0.006, 4,   false, QColor(150, 156, 160), QColor(170, 168, 160),
                    0.0, QColor(), 40.0,  2202};
    PaintLand(img, hills);

    Rng rng(22);
    {
        CanvasPainter p(img);

        // The mill town: two rows of factories and chimneys, the far row paler.
        for (int row = 0; row < 2; ++row) {
            const QColor c = row == 0 ? QColor(150, 140, 140) : QColor(120, 96, 88);
            const double ground = row == 0 ? 184 : 194;
            double x = row == 0 ? 300 : 340;
            while (x < kWidth) {
                const double w = rng.Range(30, 60);
                DrawFactory(p, x, ground, w, rng.Range(14, 24) + row * 4, c);
                if (rng.Uniform() < 0.6) {
                    const double cx = x + rng.Range(4, w - 4);
                    const double ch = rng.Range(70, 100) + row * 10;
                    QPolygonF stack;
                    stack << QPointF(cx - 3, ground) << QPointF(cx - 2, ground - ch)
                          << QPointF(cx + 2, ground - ch) << QPointF(cx + 3, ground);
                    p.setBrush(c.darker(110));
                    p.drawPolygon(stack);
                    DrawSmoke(p, QPointF(cx, ground - ch - 4), QPointF(90, -40), 12, 3, 20,
                              row == 0 ? QColor(130, 124, 124, 110) : QColor(80, 74, 74, 130), rng);
                }
                x += w + rng.Range(0, 12);
            }
        }
        // Terraced houses on the left bank, in the haze.
        for (double x = -4; x < 340; x += 14) {
            const double g = 192 + std::sin(x * 0.02) * 3;
            p.setBrush(QColor(156, 120, 104));
            p.drawRect(QRectF(x, g - 14, 13, 14));
            p.setBrush(QColor(110, 110, 120));
            p.drawRect(QRectF(x - 1, g - 18, 15, 4));
            p.setBrush(QColor(130, 100, 90));
            p.drawRect(QRectF(x + 9, g - 22, 3, 4));
        }
    }
    Haze(img, 130, 224, QColor(210, 196, 176), 0.0, 0.45, HazeRamp::Smooth);
    // The bridge, painted before the river so that the water mirrors it: a
    // girder deck on a Warren truss between masonry piers.
    const double water = 224;
    {
        CanvasPainter p(img);
        const double deck = 196;
        const double chord = deck + 16;
        const double piers[] = {-30, 140, 310, 480};
        for (double px : piers) {
            p.setBrush(Gradient(QPointF(px - 9, 0), QPointF(px + 9, 0), QColor(200, 184, 160),
                                QColor(130, 114, 96)));
            p.drawRect(QRectF(px - 9, deck + 4, 18, water - deck));
            p.setBrush(QColor(170, 154, 132));
            p.drawRect(QRectF(px - 11, deck + 2, 22, 4));
        }
        p.setPen(QPen(QColor(60, 48, 46), 1.6));
        p.setBrush(Qt::NoBrush);
        for (int span = 0; span < 3; ++span) {
            const double x0 = piers[span] + 9;
            const double x1 = piers[span + 1] - 9;
            const int bays = 8;
            const double bw = (x1 - x0) / bays;
            p.drawLine(QPointF(x0, chord), QPointF(x1, chord));
            for (int i = 0; i < bays; ++i) {
                const double bx = x0 + i * bw;
                p.drawLine(QPointF(bx, deck + 4), QPointF(bx + bw * 0.5, chord));
                p.drawLine(QPointF(bx + bw * 0.5, chord), QPointF(bx + bw, deck + 4));
            }
        }
        p.setPen(Qt::NoPen);
        p.setBrush(Gradient(QPointF(0, deck), QPointF(0, deck + 5), QColor(120, 96, 88),
                            QColor(64, 50, 48)));
        p.drawRect(QRectF(-5, deck, kWidth + 10, 5));
        p.setPen(QPen(QColor(70, 56, 52), 1.0));
        p.drawLine(QPointF(-5, deck - 5), QPointF(kWidth + 5, deck - 5));
        for (double x = 0; x < kWidth; x += 6) {
            p.drawLine(QPointF(x, deck - 5), QPointF(x, deck));
        }
        p.setPen(Qt::NoPen);

        // Steam first, so the train runs in front of its own plume.
        const double locoX = 36;
        DrawSmoke(p, QPointF(locoX + 12, deck - 52), QPointF(300, -80), 26, 6, 32,
                  QColor(246, 244, 238, 200), rng);
        DrawLocomotive(p, locoX, deck, 1.0);
        for (int i = 0; i < 3; ++i) {
            DrawCarriage(p, locoX + 117 + i * 63, deck, 1.0);
        }
    }

    WaterStyle river{
        QColor(140, 146, 140), QColor(70, 82, 84), 0.6, 2.0, 0.25, QColor(255, 236, 200), 2203};
    PaintWater(img, static_cast<int>(water), 320, river);

    {
        CanvasPainter p(img);
        // Near bank with a towpath, a lamp post and a rowing boat.
        QPainterPath bank;
        bank.moveTo(-5, 320);
        bank.lineTo(-5, 292);
        bank.cubicTo(120, 288, 260, 300, 330, 320);
        bank.closeSubpath();
        p.setBrush(
            Gradient(QPointF(0, 288), QPointF(0, 320), QColor(110, 120, 70), QColor(70, 80, 46)));
        p.drawPath(bank);
        p.setBrush(QColor(170, 150, 116));
        QPainterPath path;
        path.moveTo(-5, 304);
        path.cubicTo(100, 300, 200, 308, 260, 320);
        path.lineTo(220, 320);
        path.cubicTo(170, 312, 90, 310, -5, 314);
        path.closeSubpath();
        p.drawPath(path);
        p.setBrush(QColor(40, 40, 44));
        p.drawRect(QRectF(60, 250, 3, 52));
        p.drawRect(QRectF(55, 244, 13, 4));
        p.setBrush(QColor(250, 230, 170));
        p.drawRect(QRectF(57, 236, 9, 8));
        p.setBrush(QColor(40, 40, 44));
        QPolygonF cap;
        cap << QPointF(55, 236) << QPointF(61.5, 230) << QPointF(68, 236);
        p.drawPolygon(cap);
        p.setBrush(QColor(120, 80, 50));
        p.drawChord(QRectF(360, 270, 44, 14), 180 * 16, 180 * 16);
        DrawPerson(p, 382, 277, 12, QColor(50, 50, 60));
        p.setPen(QPen(QColor(110, 80, 50), 1.2));
        p.drawLine(QPointF(368, 272), QPointF(396, 282));
        p.setPen(Qt::NoPen);
        GrassTufts(p, rng, 290, 322, 60,
                   {QColor(60, 76, 40), QColor(140, 150, 80), 8.0, 3, 3, 1.0, 1.0});
    }
    return img;
}

}  // namespace orb::art
