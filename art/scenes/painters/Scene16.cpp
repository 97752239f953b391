#include "kit/PaintKit.h"
#include "scenes/ScenePainters.h"
#include "scenes/painters/AgesKit.h"

#include <algorithm>
#include <cmath>

namespace orb::art {

using namespace ages;

namespace {

// A round house of wattle and daub under a conical thatch, door facing us.
void DrawRoundhouse(QPainter& p, double x, double ground, double w, Rng& rng) {
    p.save();
    p.setPen(Qt::NoPen);
    const double wallH = w * 0.28;
    const double roofH = w * 0.62;
    p.setBrush(Gradient(QPointF(x - w * 0.5, 0), QPointF(x + w * 0.5, 0), QColor(176, 146, 104),
                        QColor(110, 86, 60)));
    p.drawRect(QRectF(x - w * 0.45, ground - wallH, w * 0.9, wallH));
    p.drawEllipse(QPointF(x, ground), w * 0.45, w * 0.06);
    p.setBrush(QColor(45, 32, 22));
    p.drawRect(QRectF(x - w * 0.07, ground - wallH * 0.8, w * 0.14, wallH * 0.8));
    QPainterPath roof;
    const double eave = ground - wallH + w * 0.04;
    roof.moveTo(x - w * 0.56, eave);
    roof.quadTo(x, eave + w * 0.1, x + w * 0.56, eave);
    roof.lineTo(x + w * 0.03, eave - roofH);
    roof.lineTo(x - w * 0.03, eave - roofH);
    roof.closeSubpath();
    p.setBrush(Gradient(QPointF(x - w * 0.56, 0), QPointF(x + w * 0.56, 0), QColor(214, 178, 104),
                        QColor(126, 94, 50)));
    p.drawPath(roof);
    // Thatch lines give the straw its grain.
    p.setPen(QPen(QColor(120, 90, 48, 120), 1.0));
    for (int i = 0; i < 9; ++i) {
        const double t = -0.5 + i / 8.0 + rng.Range(-0.02, 0.02);
        p.drawLine(QPointF(x + t * w * 0.1, eave - roofH + 2),
                   QPointF(x + t * w * 1.05, eave + w * 0.05 * (1.0 - 4 * t * t)));
    }
    p.restore();
}

void DrawStone(QPainter& p, double x, double ground, double w, double h, double tilt) {
    QPainterPath s;
    s.moveTo(x - w * 0.5, ground);
    s.lineTo(x - w * 0.42 + tilt, ground - h * 0.92);
    s.quadTo(x + tilt, ground - h * 1.04, x + w * 0.42 + tilt, ground - h * 0.9);
    s.lineTo(x + w * 0.5, ground);
    s.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Gradient(QPointF(x - w * 0.5, 0), QPointF(x + w * 0.5, 0), QColor(190, 186, 172),
                        QColor(104, 102, 98)));
    p.drawPath(s);
}

}  // namespace

// Neolithic village: round houses and fields in a valley, a stone circle on
// the rise behind, sheep grazing in the foreground.
QImage PaintScene16() {
    QImage img = NewSceneCanvas();
    const ColorStop sky[] = {
        {0.0, QColor(86, 132, 196)}, {0.55, QColor(150, 188, 224)}, {1.0, QColor(222, 226, 214)}};
    FillSky(img, sky, 3, 0, 200);
    CloudStyle clouds{QColor(252, 250, 244), QColor(170, 178, 196), 0.42, 110.0, 34.0, 0.9, 1601};
    PaintClouds(img, 0, 150, clouds);

    LandStyle far{170, 38,       0.006, 4,   false, QColor(140, 164, 180), QColor(160, 178, 176),
                  0.0, QColor(), 40.0,  1602};
    PaintLand(img, far);

    LandStyle mid{215,
                  60,
                  0.008,
                  3,
                  false,
                  QColor(122, 150, 96),
                  QColor(96, 132, 70),
                  0.35,
                  QColor(150, 160, 90),
                  60.0,
                  1603};
    const std::vector<double> midEdge = PaintLand(img, mid);
    Haze(img, 120, 200, QColor(210, 218, 214), 0.0, 0.25, HazeRamp::Smooth);

    Rng rng(16);
    {
        CanvasPainter p(img);

        // Field strips on the slope of the middle hills, clipped to the land.
        {
            p.save();
            p.setClipPath(EdgePath(midEdge, 0, kWidth - 1, kHeight));
            const QColor fields[] = {QColor(214, 188, 104), QColor(128, 158, 76),
                                     QColor(150, 116, 80), QColor(196, 176, 96),
                                     QColor(110, 146, 70)};
            // Three rows of fields, narrower with distance, leaving the knoll of
            // the stone circle as open grass.
            const double bands[] = {150, 190, 214, 242};
            for (int row = 0; row < 3; ++row) {
                double x = -30 + row * 13;
                int i = row * 2;
                const double y0 = bands[row];
                const double y1 = bands[row + 1];
                while (x < kWidth + 30) {
                    const double w = rng.Range(30, 52) * (1.0 + row * 0.35);
                    if (x + w > 350 && x < 470 && row < 2) {
                        x += w;
                        continue;
                    }
                    QPolygonF poly;
                    const double skew = (x - 256) * 0.12;
                    poly << QPointF(x, y0) << QPointF(x + w, y0)
                         << QPointF(x + w + skew * (y1 - y0) / 40, y1)
                         << QPointF(x + skew * (y1 - y0) / 40, y1);
                    p.setPen(QPen(QColor(80, 104, 56), 1.0));
                    p.setBrush(fields[i % 5]);
                    p.drawPolygon(poly);
                    x += w;
                    i += rng.Int(1, 3);
                }
            }
            // Furrows across the ploughed strips read as texture from afar.
            p.setPen(QPen(QColor(0, 0, 0, 22), 1.0));
            for (double y = 172; y < 236; y += 4) {
                p.drawLine(QPointF(0, y), QPointF(kWidth, y - 3));
            }
            p.restore();
        }
        // Hedgerow trees along the hill line.
        for (int i = 0; i < 14; ++i) {
            const double x = 10 + i * 37 + rng.Range(-10, 10);
            const double g = midEdge[static_cast<std::size_t>(std::clamp(x, 0.0, 511.0))] + 4;
            DrawLeafyTree(p, x, g, rng.Range(14, 22), QColor(70, 108, 58), QColor(70, 54, 40), rng);
        }

        // The stone circle on the rise to the right.
        {
            const double cx = 410;
            const double cy = midEdge[410] + 12;
            const int n = 12;
            // The grassy knoll the stones stand on.
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(118, 150, 90));
            p.drawEllipse(QPointF(cx, cy + 2), 72, 13);
            for (int pass = 0; pass < 2; ++pass) {
                for (int i = 0; i < n; ++i) {
                    const double a = i * 2.0 * 3.14159265 / n;
                    const bool back = std::sin(a) < 0;
                    if (back != (pass == 0)) {
                        continue;
                    }
                    const double sx = cx + std::cos(a) * 46;
                    const double sy = cy + std::sin(a) * 7;
                    const double s = back ? 0.85 : 1.0;
                    DrawStone(p, sx, sy, 7.5 * s, 19 * s + (i % 3) * 2, (i % 2 ? 0.8 : -0.8));
                }
            }
            // A trilithon in the middle.
            DrawStone(p, cx - 7, cy, 7, 22, 0);
            DrawStone(p, cx + 7, cy, 7, 22, 0);
            p.setBrush(QColor(166, 162, 150));
            p.drawRect(QRectF(cx - 13, cy - 26, 26, 5));
        }

        // Near meadow where the village stands.
    }
    LandStyle near{258,
                   16,
                   0.008,
                   3,
                   false,
                   QColor(120, 156, 72),
                   QColor(84, 122, 50),
                   0.4,
                   QColor(152, 162, 80),
                   50.0,
                   1604};
    const std::vector<double> nearEdge = PaintLand(img, near);
    {
        CanvasPainter p(img);

        // Woodland behind the houses.
        for (int i = 0; i < 9; ++i) {
            const double x = 30 + i * 26 + rng.Range(-6, 6);
            DrawLeafyTree(p, x, nearEdge[static_cast<std::size_t>(x)] + 6, rng.Range(28, 40),
                          QColor(62, 100, 50), QColor(74, 56, 40), rng);
        }

        // Smoke first, so the roofs sit in front of its base.
        DrawSmoke(p, QPointF(152, 224), QPointF(90, -120), 16, 4, 26, QColor(224, 224, 218, 150),
                  rng);

        // Houses from the back of the village to the front.
        const double houses[][3] = {
            {205, 252, 34}, {105, 256, 38}, {250, 268, 54}, {56, 272, 58}, {150, 282, 74}};
        for (const auto& h : houses) {
            DrawRoundhouse(p, h[0], h[1], h[2], rng);
        }
        // People at work between the houses.
        DrawPerson(p, 212, 288, 18, QColor(120, 84, 52));
        DrawPerson(p, 224, 290, 15, QColor(150, 120, 80));
        DrawPerson(p, 98, 284, 17, QColor(100, 78, 56));
        // Wattle fence around the pens.
        p.setPen(QPen(QColor(96, 72, 46), 1.4));
        const auto fenceY = [](double x) { return 296 + std::sin(x * 0.02) * 4; };
        for (double x = 4; x < 310; x += 5) {
            p.drawLine(QPointF(x, fenceY(x)), QPointF(x, fenceY(x) - 9));
        }
        p.setPen(QPen(QColor(130, 100, 62), 1.6));
        for (double x = 4; x < 305; x += 5) {
            p.drawLine(QPointF(x, fenceY(x) - 6), QPointF(x + 5, fenceY(x + 5) - 6));
            p.drawLine(QPointF(x, fenceY(x) - 3), QPointF(x + 5, fenceY(x + 5) - 3));
        }
        p.setPen(Qt::NoPen);

        // Foreground grass and a small flock.
        GrassTufts(p, rng, 280, 322, 260,
                   {QColor(62, 100, 40), QColor(150, 170, 80), 8.0, 3, 3, 1.0, 1.0});
        DrawSheep(p, 350, 290, 16, true);
        DrawSheep(p, 382, 300, 18, false);
        DrawSheep(p, 420, 286, 14, true);
        DrawSheep(p, 456, 306, 20, true);
        DrawSheep(p, 330, 312, 19, false);
        DrawBird(p, 260, 60, 8, QColor(50, 50, 60));
        DrawBird(p, 276, 54, 6, QColor(50, 50, 60));
    }
    return img;
}

}  // namespace orb::art
