#include "kit/PaintKit.h"
#include "scenes/ScenePainters.h"
#include "scenes/painters/AgesKit.h"

#include <algorithm>
#include <cmath>

namespace orb::art {

using namespace ages;

namespace {

// A mesa: flat cap rock over banded, sloping cliffs.
void DrawMesa(QPainter& p, double x, double ground, double w, double h, const QColor& rock) {
    QPolygonF body;
    body << QPointF(x - w * 0.62, ground) << QPointF(x - w * 0.5, ground - h * 0.55)
         << QPointF(x - w * 0.44, ground - h) << QPointF(x + w * 0.44, ground - h)
         << QPointF(x + w * 0.5, ground - h * 0.55) << QPointF(x + w * 0.66, ground);
    p.setPen(Qt::NoPen);
    p.setBrush(Gradient(QPointF(x - w * 0.5, 0), QPointF(x + w * 0.6, 0), rock.lighter(125),
                        rock.darker(140)));
    p.drawPolygon(body);
    p.save();
    QPainterPath clip;
    clip.addPolygon(body);
    p.setClipPath(clip);
    for (int i = 1; i < 5; ++i) {
        p.setBrush(i % 2 == 0 ? QColor(255, 240, 220, 40) : QColor(90, 40, 30, 40));
        p.drawRect(QRectF(x - w, ground - h + i * h * 0.17, w * 2, h * 0.07));
    }
    p.restore();
    p.setBrush(rock.lighter(140));
    p.drawRect(QRectF(x - w * 0.45, ground - h - 1.5, w * 0.9, 3));
}

// A squat succulent of a hotter world: a swollen stem with a crown of spines.
void DrawSucculent(QPainter& p, double x, double ground, double h, const QColor& c) {
    p.setPen(Qt::NoPen);
    p.setBrush(
        Gradient(QPointF(x - h * 0.3, 0), QPointF(x + h * 0.3, 0), c.lighter(130), c.darker(150)));
    QPainterPath body;
    body.moveTo(x - h * 0.18, ground);
    body.cubicTo(x - h * 0.45, ground - h * 0.45, x - h * 0.2, ground - h * 0.9, x, ground - h);
    body.cubicTo(x + h * 0.2, ground - h * 0.9, x + h * 0.45, ground - h * 0.45, x + h * 0.18,
                 ground);
    body.closeSubpath();
    p.drawPath(body);
    p.setPen(QPen(c.darker(170), 0.8));
    for (int i = -2; i <= 2; ++i) {
        p.drawLine(QPointF(x + i * h * 0.07, ground - h * 0.05),
                   QPointF(x + i * h * 0.05, ground - h * 0.92));
    }
    p.setPen(QPen(QColor(240, 230, 200), 0.8));
    for (int i = -3; i <= 3; ++i) {
        p.drawLine(QPointF(x, ground - h), QPointF(x + i * h * 0.12, ground - h * 1.22));
    }
    p.setPen(Qt::NoPen);
}

// An umbrella tree of the dry ages: a stout trunk that forks into a dense,
// flat-topped crown, shading the ground under it.
void DrawUmbrellaTree(QPainter& p, double x, double ground, double h, Rng& rng) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 40, 28, 110));
    p.drawEllipse(QPointF(x + h * 0.12, ground), h * 0.55, h * 0.07);
    p.setPen(QPen(QColor(110, 86, 70), std::max(1.5, h * 0.07), Qt::SolidLine, Qt::RoundCap));
    const QPointF fork(x, ground - h * 0.5);
    p.drawLine(QPointF(x, ground), fork);
    p.setPen(QPen(QColor(110, 86, 70), std::max(1.0, h * 0.035), Qt::SolidLine, Qt::RoundCap));
    for (int i = -3; i <= 3; ++i) {
        p.drawLine(fork, QPointF(x + i * h * 0.11, ground - h * 0.78));
    }
    p.setPen(Qt::NoPen);
    QPainterPath crown;
    crown.moveTo(x - h * 0.5, ground - h * 0.76);
    crown.cubicTo(x - h * 0.46, ground - h * 1.02, x + h * 0.46, ground - h * 1.02, x + h * 0.5,
                  ground - h * 0.76);
    crown.quadTo(x, ground - h * 0.7, x - h * 0.5, ground - h * 0.76);
    p.setBrush(Gradient(QPointF(0, ground - h), QPointF(0, ground - h * 0.72), QColor(90, 140, 120),
                        QColor(40, 80, 70)));
    p.drawPath(crown);
    p.setBrush(QColor(130, 176, 150, 120));
    for (int i = 0; i < 5; ++i) {
        p.drawEllipse(QPointF(x - h * 0.3 + i * h * 0.13, ground - h * rng.Range(0.88, 0.93)),
                      h * 0.08, h * 0.03);
    }
}

}  // namespace

// 100,001 years to 5 billion years AD: a remote future Earth. The Sun is
// larger and whiter, the seas are shrinking to salt flats, and new young
// ranges rise where the continents have collided.
QImage PaintScene28() {
    QImage img = NewSceneCanvas();
    const int horizon = 190;
    const ColorStop sky[] = {
        {0.0, QColor(96, 140, 186)}, {0.5, QColor(186, 204, 214)}, {1.0, QColor(246, 232, 204)}};
    FillSky(img, sky, 3, 0, horizon + 20);
    // A brighter, bigger Sun: a wide glare around a white disc.
    const QPointF sun(330, 74);
    ScreenGlow(img, sun, 260, QColor(255, 244, 214), 0.75);
    ScreenGlow(img, sun, 90, QColor(255, 252, 236), 0.9);
    CloudStyle clouds{QColor(255, 248, 236), QColor(210, 200, 196), 0.18, 180.0, 10.0, 0.6, 2801};
    PaintClouds(img, 110, 170, clouds);

    {
        CanvasPainter p(img);
        p.setBrush(QColor(255, 255, 246));
        p.drawEllipse(sun, 30, 30);
        // A small, far Moon: it has drifted away over the ages.
        p.setBrush(QColor(216, 220, 226));
        p.drawEllipse(QPointF(90, 50), 4, 4);
    }

    // Young, jagged ranges on the horizon.
    LandStyle range{
        horizon, 86,       0.012, 5,   true, QColor(176, 160, 170), QColor(200, 180, 170),
        0.0,     QColor(), 40.0,  2802};
    PaintLand(img, range);
    Haze(img, 100, horizon + 2, QColor(240, 226, 206), 0.0, 0.45, HazeRamp::Smooth);
    LandStyle foothills{horizon + 4,
                        44,
                        0.018,
                        5,
                        true,
                        QColor(150, 110, 110),
                        QColor(190, 150, 130),
                        0.5,
                        QColor(110, 80, 90),
                        14.0,
                        2805};
    PaintLand(img, foothills);
    Haze(img, 140, horizon + 6, QColor(240, 226, 206), 0.0, 0.3, HazeRamp::Smooth);

    // The shrunken sea: turquoise shallows ringed with white salt.
    LandStyle salt{horizon + 8,           6,   0.02,     4,    false, QColor(236, 232, 220),
                   QColor(226, 220, 204), 0.0, QColor(), 40.0, 2803};
    PaintLand(img, salt);
    QPainterPath sea;
    sea.moveTo(-10, 214);
    sea.cubicTo(60, 200, 180, 200, 260, 206);
    sea.cubicTo(330, 212, 420, 204, 520, 208);
    sea.lineTo(520, 236);
    sea.cubicTo(400, 240, 300, 226, 200, 232);
    sea.cubicTo(120, 238, 40, 236, -10, 240);
    sea.closeSubpath();
    {
        CanvasPainter p(img);
        p.setBrush(Gradient(QPointF(0, 200), QPointF(0, 240), QColor(140, 214, 210),
                            QColor(50, 160, 170)));
        p.drawPath(sea);
        // The Sun's glitter on the shallows.
        p.setBrush(QColor(255, 255, 240, 150));
        for (int i = 0; i < 14; ++i) {
            const double y = 208 + i * 2.0;
            const double w = 6 + i * 1.6;
            p.drawRect(QRectF(330 - w / 2 + std::sin(i * 1.7) * 4, y, w, 0.9));
        }
    }

    // Red desert plateau in front, with mesas.
    LandStyle plateau{262,
                      24,
                      0.006,
                      4,
                      false,
                      QColor(196, 112, 74),
                      QColor(150, 76, 50),
                      0.45,
                      QColor(220, 150, 100),
                      40.0,
                      2804};
    const std::vector<double> edge = PaintLand(img, plateau);

    Rng rng(28);

    {
        CanvasPainter p(img);
        DrawMesa(p, 80, 244, 70, 40, QColor(180, 100, 70));
        DrawMesa(p, 440, 238, 90, 30, QColor(186, 110, 80));
        DrawMesa(p, 200, 226, 30, 14, QColor(200, 150, 130));
        // Cracked ground in the foreground.
        p.setPen(QPen(QColor(110, 52, 36, 140), 1.0));
        for (int i = 0; i < 40; ++i) {
            QPointF a(rng.Range(0, kWidth), rng.Range(276, 320));
            for (int k = 0; k < 4; ++k) {
                const QPointF b = a + QPointF(rng.Range(-14, 14), rng.Range(-4, 4));
                p.drawLine(a, b);
                a = b;
            }
        }
        p.setPen(Qt::NoPen);
        // Scattered boulders with hard shadows from the high Sun.
        for (int i = 0; i < 12; ++i) {
            const double x = rng.Range(0, kWidth);
            const double y = rng.Range(272, 316);
            const double r = rng.Range(3, 9) * (y - 250) / 50.0;
            p.setBrush(QColor(90, 40, 26, 140));
            p.drawEllipse(QPointF(x + r * 0.5, y + r * 0.4), r * 1.2, r * 0.4);
            p.setBrush(Gradient(QPointF(x - r, y - r), QPointF(x + r, y), QColor(220, 150, 110),
                                QColor(130, 64, 44)));
            p.drawEllipse(QPointF(x, y - r * 0.4), r, r * 0.7);
        }
        DrawUmbrellaTree(p, 150, 262, 50, rng);
        DrawUmbrellaTree(p, 196, 258, 34, rng);
        DrawUmbrellaTree(p, 392, 266, 60, rng);
        // Hardy succulents, the last large life on the land.
        DrawSucculent(p, 300, 300, 34, QColor(120, 150, 110));
        DrawSucculent(p, 322, 306, 22, QColor(140, 160, 110));
        DrawSucculent(p, 60, 314, 40, QColor(110, 140, 120));
        DrawSucculent(p, 470, 296, 26, QColor(130, 150, 110));
        (void)edge;
    }
    return img;
}

}  // namespace orb::art
