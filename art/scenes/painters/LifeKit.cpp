#include "scenes/painters/LifeKit.h"

#include <QPolygonF>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

namespace orb::art::life {

namespace {

// Places a local frame at (x, groundY), mirrored when facing left.
void EnterFrame(QPainter& p, double x, double groundY, double s, bool left) {
    p.save();
    p.translate(x, groundY);
    p.scale(left ? -s : s, s);
    p.setPen(Qt::NoPen);
}

void GroundShadow(QPainter& p, double cx, double rx, double ry) {
    p.setBrush(QColor(0, 0, 0, 55));
    p.drawEllipse(QPointF(cx, 0.0), rx, ry);
}

QPainterPath Ellipse(QPointF c, double rx, double ry) {
    QPainterPath path;
    path.addEllipse(c, rx, ry);
    return path;
}

}  // namespace

void ForestRidge(QPainter& p, Rng& rng, double baseY, double amp, double freq, std::uint32_t seed,
                 QColor leaf, double crown) {
    const QPainterPath ridge = RidgePath(baseY + crown * 0.6, amp, freq, seed);
    FillVertical(p, ridge, leaf, leaf.darker(125), baseY - amp, baseY + 60);
    p.save();
    p.setPen(Qt::NoPen);
    for (double x = -crown; x < 512 + crown; x += crown * rng.Range(0.55, 0.9)) {
        const double top = baseY - amp * (Fbm(x * freq, 0.5, 4, seed) - 0.5) * 2.0;
        const double r = crown * rng.Range(0.7, 1.1);
        p.setBrush(leaf.darker(115));
        p.drawPath(Blob(QPointF(x, top + r * 0.2), r, r * 0.8, rng, 0.15, 9));
        p.setBrush(Mix(leaf, leaf.lighter(118), rng.Uniform()));
        p.drawPath(Blob(QPointF(x - r * 0.2, top - r * 0.05), r * 0.7, r * 0.55, rng, 0.15, 9));
    }
    p.restore();
    Mottle(p, ridge, leaf.darker(135), crown * 1.2, crown * 0.8, seed + 3, 0.5, 0.5);
}

void Mottle(QPainter& p, const QPainterPath& clip, QColor colour, double sx, double sy,
            std::uint32_t seed, double alphaMax, double threshold) {
    const QRect box = clip.boundingRect().toAlignedRect().intersected(QRect(0, 0, 512, 320));
    if (box.isEmpty()) {
        return;
    }
    QImage layer(box.size(), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < box.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(layer.scanLine(y));
        for (int x = 0; x < box.width(); ++x) {
            const double n = Fbm((x + box.x()) / sx, (y + box.y()) / sy, 4, seed);
            const double a = SmoothStep(threshold, threshold + 0.3, n) * alphaMax;
            const int ai = static_cast<int>(a * 255.0);
            row[x] = qRgba(colour.red() * ai / 255, colour.green() * ai / 255,
                           colour.blue() * ai / 255, ai);
        }
    }
    p.save();
    p.setClipPath(clip);
    p.drawImage(box.topLeft(), layer);
    p.restore();
}

void Sauropod(QPainter& p, double x, double groundY, double s, bool left, QColor body) {
    EnterFrame(p, x, groundY, s, left);
    GroundShadow(p, -5.0, 55.0, 4.0);
    QPainterPath far = Tube({22, -26}, {23, -12}, {24, 0}, 9, 8);
    far = far.united(Tube({-12, -26}, {-12, -12}, {-10, 0}, 10, 9));
    FillShaded(p, far, body.darker(135), -40, 0);
    QPainterPath b = Ellipse({0, -35}, 33, 17);
    b = b.united(Ellipse({16, -38}, 16, 14));
    b = b.united(Tube({18, -40}, {46, -58}, {51, -98}, 17, 6.5));
    b = b.united(Ellipse({56, -99}, 8.5, 4.5));
    b = b.united(Tube({-28, -38}, {-64, -34}, {-104, -14}, 17, 1.5));
    b = b.united(Tube({14, -28}, {15, -12}, {15, 0}, 11, 9));
    b = b.united(Tube({-20, -30}, {-22, -14}, {-20, 0}, 13, 10));
    FillShaded(p, b, body, -60, 0);
    // Darker blotches along the back and a paler belly.
    p.save();
    p.setClipPath(b);
    Rng spots(0x7361);
    const QColor dark = body.darker(135);
    p.setBrush(QColor(dark.red(), dark.green(), dark.blue(), 120));
    for (int i = 0; i < 26; ++i) {
        const double sx = spots.Range(-70.0, 50.0);
        const double sy = -40.0 - 10.0 * std::exp(-sx * sx / 900.0) + spots.Range(-4.0, 6.0);
        p.drawEllipse(QPointF(sx, sy), spots.Range(2.0, 5.0), spots.Range(1.5, 3.0));
    }
    const QColor pale = body.lighter(125);
    p.setBrush(QColor(pale.red(), pale.green(), pale.blue(), 110));
    p.drawEllipse(QPointF(0, -22), 28, 5);
    p.restore();
    p.setBrush(QColor(20, 15, 10));
    p.drawEllipse(QPointF(57, -100.5), 1.2, 1.2);
    p.restore();
}

void Theropod(QPainter& p, double x, double groundY, double s, bool left, QColor body) {
    EnterFrame(p, x, groundY, s, left);
    GroundShadow(p, 0.0, 50.0, 4.0);
    QPainterPath far = Ellipse({4, -38}, 8, 12);
    far = far.united(Tube({5, -30}, {1, -18}, {9, -6}, 11, 6.5));
    far = far.united(Tube({8, -6}, {13, -1}, {22, 0}, 6.5, 3));
    far = far.united(Tube({24, -42}, {30, -40}, {30, -35}, 3.5, 2));
    FillShaded(p, far, body.darker(140), -50, 0);
    QPainterPath b = Ellipse({0, -47}, 26, 14);
    b = b.united(Ellipse({15, -47}, 14, 13));
    b = b.united(Tube({-18, -48}, {-50, -52}, {-84, -38}, 22, 1));
    b = b.united(Tube({18, -50}, {27, -57}, {31, -62}, 18, 15));
    b = b.united(PolygonPath({{22, -66},
                              {30, -74},
                              {45, -74},
                              {57, -68},
                              {60, -62},
                              {46, -60},
                              {57, -56},
                              {49, -51},
                              {32, -52},
                              {23, -56}}));
    b = b.united(Ellipse({-2, -37}, 13, 17));
    b = b.united(Tube({-2, -26}, {-7, -13}, {1, -4}, 13, 7));
    b = b.united(Tube({-1, -4}, {6, -1}, {16, 0}, 7, 3.5));
    b = b.united(Tube({21, -43}, {27, -41}, {28, -35}, 4, 2));
    const QPainterPath whole = b;
    FillShaded(p, whole, body, -74, 0);
    // Darker bands across the back.
    p.save();
    p.setClipPath(whole);
    p.setBrush(
        QColor(body.darker(160).red(), body.darker(160).green(), body.darker(160).blue(), 110));
    for (int i = 0; i < 7; ++i) {
        const double bx = -60 + i * 12;
        p.drawPath(PolygonPath({{bx, -70}, {bx + 4, -70}, {bx + 7, -46}, {bx + 3, -46}}));
    }
    p.restore();
    p.setPen(QPen(QColor(245, 235, 210), 0.8));
    for (int i = 0; i < 5; ++i) {
        p.drawLine(QPointF(47 + i * 2.2, -60.5), QPointF(47.5 + i * 2.2, -58.6));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 170, 40));
    p.drawEllipse(QPointF(44, -68.5), 1.7, 1.4);
    p.setBrush(QColor(15, 10, 5));
    p.drawEllipse(QPointF(44.4, -68.5), 0.8, 0.8);
    p.restore();
}

void Mammoth(QPainter& p, double x, double groundY, double s, bool left, QColor body, bool shaggy) {
    EnterFrame(p, x, groundY, s, left);
    GroundShadow(p, 2.0, 40.0, 4.0);
    QPainterPath far = Tube({14, -22}, {14, -10}, {14, 0}, 11, 10);
    far = far.united(Tube({-16, -22}, {-16, -10}, {-15, 0}, 12, 10));
    FillShaded(p, far, body.darker(140), -30, 0);
    QPainterPath b = Ellipse({-4, -32}, 30, 20);
    b = b.united(Ellipse({12, -40}, 17, 17));
    b = b.united(Ellipse({27, -42}, 12, 15));
    if (shaggy) {
        b = b.united(Ellipse({24, -55}, 9, 8));
    }
    b = b.united(Tube({34, -36}, {44, -16}, {37, -3}, 10, 4));
    b = b.united(Tube({8, -22}, {8, -10}, {9, 0}, 13, 11));
    b = b.united(Tube({-22, -24}, {-22, -10}, {-21, 0}, 14, 11));
    // Shaggy hem of long hair along the belly and flanks.
    QPolygonF hem;
    for (int i = 0; i <= 14; ++i) {
        const double hx = -32 + i * 4.4;
        hem << QPointF(hx, -22) << QPointF(hx + 2.2, (i % 2) ? -10 : -13);
    }
    hem << QPointF(30, -30) << QPointF(-32, -30);
    if (shaggy) {
        QPainterPath hemPath;
        hemPath.addPolygon(hem);
        hemPath.closeSubpath();
        b = b.united(hemPath);
    }
    b = b.united(Tube({-33, -40}, {-38, -32}, {-36, -24}, 3, 1.5));
    const QPainterPath whole = b;
    FillShaded(p, whole, body, -62, 0);
    if (!shaggy) {
        // A big ear flap over the shoulder.
        Rng ear(0x656172);
        FillShaded(p, Blob(QPointF(20, -40), 9, 13, ear, 0.1, 12), body.darker(115), -54, -26);
    }
    p.save();
    p.setClipPath(whole);
    p.setPen(QPen(body.darker(150), 0.8));
    Rng rng(0x6d616d6d);
    for (int i = 0; i < (shaggy ? 80 : 0); ++i) {
        const double hx = rng.Range(-34.0, 40.0);
        const double hy = rng.Range(-62.0, -8.0);
        p.drawLine(QPointF(hx, hy), QPointF(hx + rng.Range(-1.0, 1.0), hy + rng.Range(3.0, 6.0)));
    }
    p.restore();
    p.setBrush(QColor(240, 230, 205));
    p.drawPath(Tube({33, -27}, {60, -18}, {50, -42}, 4.5, 1.2));
    p.setBrush(QColor(15, 10, 5));
    p.drawEllipse(QPointF(31, -46), 1.2, 1.2);
    p.restore();
}

void Ungulate(QPainter& p, double x, double groundY, double s, bool left, const UngulateShape& u) {
    EnterFrame(p, x, groundY, s, left);
    const double bl = u.bodyLen;
    const double bh = u.bodyH;
    const double leg = u.legLen;
    const double cy = -leg - bh * 0.45;
    GroundShadow(p, 0.0, bl * 0.6, 2.5);
    QPainterPath far =
        Tube({bl * 0.32, cy}, {bl * 0.36, -leg * 0.5}, {bl * 0.3, 0}, bh * 0.22, bh * 0.1);
    far = far.united(
        Tube({-bl * 0.3, cy}, {-bl * 0.4, -leg * 0.4}, {-bl * 0.34, 0}, bh * 0.26, bh * 0.1));
    FillShaded(p, far, u.body.darker(140), cy, 0);
    QPainterPath b = Ellipse({0, cy}, bl * 0.5, bh * 0.5);
    b = b.united(
        Tube({bl * 0.24, cy}, {bl * 0.27, -leg * 0.5}, {bl * 0.25, 0}, bh * 0.24, bh * 0.1));
    b = b.united(
        Tube({-bl * 0.28, cy}, {-bl * 0.22, -leg * 0.45}, {-bl * 0.27, 0}, bh * 0.28, bh * 0.1));
    QPointF headAt;
    if (u.grazing) {
        headAt = QPointF(bl * 0.62, -bh * 0.25);
        b = b.united(
            Tube({bl * 0.35, cy - bh * 0.1}, {bl * 0.58, cy}, headAt, bh * 0.45, bh * 0.25));
    } else {
        headAt = QPointF(bl * 0.5 + u.neckLen * 0.45, cy - bh * 0.3 - u.neckLen);
        b = b.united(Tube({bl * 0.36, cy - bh * 0.1}, {bl * 0.46, cy - u.neckLen * 0.6}, headAt,
                          bh * 0.5, bh * 0.28));
    }
    b = b.united(Tube(headAt + QPointF(-bh * 0.1, -bh * 0.05), headAt + QPointF(bh * 0.2, 0),
                      headAt + QPointF(bh * 0.55, bh * 0.22), bh * 0.34, bh * 0.18));
    b = b.united(Tube(headAt, headAt + QPointF(-bh * 0.15, -bh * 0.25),
                      headAt + QPointF(-bh * 0.2, -bh * 0.42), bh * 0.12, bh * 0.05));
    b = b.united(Tube({-bl * 0.48, cy - bh * 0.2}, {-bl * 0.56, cy}, {-bl * 0.55, cy + bh * 0.4},
                      bh * 0.1, bh * 0.05));
    const QPainterPath whole = b;
    FillShaded(p, whole, u.body, cy - bh * 0.6 - u.neckLen, 0);
    // Pale belly.
    p.save();
    p.setClipPath(whole);
    p.setBrush(u.belly);
    p.drawEllipse(QPointF(0, cy + bh * 0.45), bl * 0.42, bh * 0.22);
    p.restore();
    if (u.horns) {
        p.setPen(QPen(QColor(40, 30, 20), bh * 0.07, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        QPainterPath horn(headAt + QPointF(0, -bh * 0.1));
        horn.quadTo(headAt + QPointF(-bh * 0.1, -bh * 0.6), headAt + QPointF(-bh * 0.4, -bh * 0.8));
        p.drawPath(horn);
        p.setPen(Qt::NoPen);
    }
    p.restore();
}

void Hominid(QPainter& p, double x, double groundY, double s, bool left, double stride,
             QColor skin) {
    EnterFrame(p, x, groundY, s, left);
    GroundShadow(p, 0.0, 6.0, 1.0);
    const double st = 3.0 * stride;
    FillShaded(p, Tube({0, -14}, {st * 0.2, -7}, {-st, 0}, 3.2, 2.2), skin.darker(140), -16, 0);
    FillShaded(p, Tube({0, -22}, {-2.5, -17}, {-2.6, -12.5}, 2.2, 1.6), skin.darker(140), -22, -12);
    QPainterPath b = Tube({0, -14}, {st * 0.4, -7}, {st, 0}, 3.4, 2.2);
    b = b.united(Tube({0.3, -24.5}, {0.8, -19}, {0, -13.5}, 5.2, 4.4));
    b = b.united(Ellipse({1.0, -27.3}, 2.3, 2.5));
    b = b.united(Tube({0.5, -22.5}, {3.5, -18}, {3.8, -13.5}, 2.2, 1.6));
    FillShaded(p, b, skin, -30, 0);
    // A spear held upright.
    p.setPen(QPen(QColor(95, 70, 45), 0.9, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(4.2, -33), QPointF(3.4, 1));
    // Hair.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 22, 16));
    p.drawEllipse(QPointF(0.5, -28.4), 2.2, 1.6);
    p.restore();
}

void Dragonfly(QPainter& p, double x, double y, double s, double angle, QColor body) {
    p.save();
    p.translate(x, y);
    p.rotate(angle);
    p.scale(s, s);
    p.setPen(Qt::NoPen);
    // Wings first so the body lies over them.
    const struct {
        double ax, len, tilt;
    } wings[4] = {{6, 34, -78}, {6, 34, -102}, {-1, 31, -68}, {-1, 31, -112}};
    for (const auto& w : wings) {
        p.save();
        p.translate(w.ax, 0);
        p.rotate(w.tilt + 90);
        p.setBrush(Gradient(QPointF(0, 0), QPointF(w.len, 0), QColor(200, 220, 230, 160),
                            QColor(225, 235, 240, 110), 0.8, QColor(90, 80, 60, 170)));
        p.setPen(QPen(QColor(60, 70, 70, 150), 0.5));
        p.drawEllipse(QRectF(0, -3.5, w.len, 7));
        p.drawLine(QPointF(1, 0), QPointF(w.len - 1, 0));
        p.drawLine(QPointF(1, -1.5), QPointF(w.len - 3, -2));
        p.restore();
    }
    p.setPen(Qt::NoPen);
    QPainterPath b = Tube({-44, 0}, {-20, 0.5}, {0, 0}, 1.6, 3.2);
    b = b.united(Ellipse({4, 0}, 7, 3.6));
    b = b.united(Ellipse({13, 0}, 3.6, 4));
    FillShaded(p, b, body, -4, 4);
    p.setBrush(QColor(40, 110, 90));
    p.drawEllipse(QPointF(14.5, -1.5), 2, 2);
    p.drawEllipse(QPointF(14.5, 1.5), 2, 2);
    p.setPen(QPen(body.darker(160), 0.6));
    for (int i = 0; i < 8; ++i) {
        p.drawLine(QPointF(-40 + i * 5, -1.2), QPointF(-40 + i * 5, 1.2));
    }
    p.restore();
}

void Trilobite(QPainter& p, double x, double y, double s, double angle, QColor shell) {
    p.save();
    p.translate(x, y);
    p.scale(s, s * 0.55);  // seen obliquely from above
    p.rotate(angle);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawEllipse(QPointF(1.5, 3), 9, 13);
    // Head shield with spines, segmented thorax, tail shield.
    QPainterPath head;
    head.moveTo(-10, -6);
    head.quadTo(-10, -17, 0, -17);
    head.quadTo(10, -17, 10, -6);
    head.lineTo(11, 4);
    head.lineTo(7, -5);
    head.lineTo(-7, -5);
    head.lineTo(-11, 4);
    head.closeSubpath();
    const QPainterPath whole = head.united(Ellipse({0, 3}, 7.2, 10));
    QRadialGradient g(QPointF(-3, -8), 22);
    g.setColorAt(0.0, shell.lighter(135));
    g.setColorAt(1.0, shell.darker(150));
    p.setBrush(g);
    p.drawPath(whole);
    p.setPen(QPen(shell.darker(180), 0.7));
    for (int i = 0; i < 9; ++i) {
        const double yy = -4 + i * 1.75;
        const double half = 7.0 * std::sqrt(std::max(0.0, 1.0 - std::pow((yy - 3) / 10.0, 2)));
        p.drawLine(QPointF(-half, yy), QPointF(half, yy));
    }
    p.drawLine(QPointF(-2.4, -14), QPointF(-2.4, 11));
    p.drawLine(QPointF(2.4, -14), QPointF(2.4, 11));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 25, 20));
    p.drawEllipse(QPointF(-5, -10), 1.6, 1.4);
    p.drawEllipse(QPointF(5, -10), 1.6, 1.4);
    p.restore();
}

void Orthocone(QPainter& p, double x, double y, double s, bool left, QColor shell) {
    EnterFrame(p, x, y, s, left);
    p.setPen(QPen(shell.darker(130), 1.0, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 7; ++i) {
        QPainterPath t(QPointF(8, -2 + i * 0.7));
        t.quadTo(QPointF(16, -6 + i * 2.0), QPointF(22, -5 + i * 2.5));
        p.drawPath(t);
    }
    p.setPen(Qt::NoPen);
    const QPainterPath cone = Tube({10, 0}, {-30, -2}, {-70, -6}, 12, 2, 20);
    FillShaded(p, cone, shell, -7, 7);
    p.save();
    p.setClipPath(cone);
    p.setBrush(QColor(120, 50, 30, 140));
    for (int i = 0; i < 12; ++i) {
        const double bx = 4 - i * 6.5;
        p.drawPath(PolygonPath({{bx, -9}, {bx + 2.4, -9}, {bx - 0.6, 9}, {bx - 3.0, 9}}));
    }
    p.restore();
    p.setBrush(QColor(20, 20, 25));
    p.drawEllipse(QPointF(7, -2), 1.5, 1.5);
    p.restore();
}

void Fish(QPainter& p, double x, double y, double s, bool left, QColor body) {
    EnterFrame(p, x, y, s, left);
    QPainterPath b = Ellipse({0, 0}, 10, 3.5);
    b = b.united(PolygonPath({{-8, 0}, {-15, -4.5}, {-13.5, 0}, {-15, 4.5}}));
    FillShaded(p, b, body, -4, 4);
    p.setBrush(QColor(15, 15, 20));
    p.drawEllipse(QPointF(6.5, -0.8), 0.9, 0.9);
    p.restore();
}

void LobeFish(QPainter& p, double x, double groundY, double s, bool left, QColor body) {
    EnterFrame(p, x, groundY, s, left);
    GroundShadow(p, -4.0, 30.0, 2.0);
    QPainterPath far = Tube({12, -4}, {16, -1}, {20, 0}, 4, 2.5);
    FillShaded(p, far, body.darker(140), -6, 0);
    QPainterPath b = Tube({-34, -3}, {-8, -8}, {16, -6}, 2, 11);
    b = b.united(Ellipse({20, -6}, 9, 4.8));
    b = b.united(PolygonPath({{-30, -3}, {-40, -9}, {-38, -2}, {-41, 3}}));
    b = b.united(Tube({8, -4}, {12, 0}, {15, 0.5}, 5, 2.5));
    b = b.united(Tube({-12, -3}, {-9, 0}, {-6, 0.5}, 3.5, 2));
    const QPainterPath whole = b;
    FillShaded(p, whole, body, -12, 0);
    p.save();
    p.setClipPath(whole);
    Rng rng(0x7469);
    p.setBrush(body.darker(150));
    for (int i = 0; i < 22; ++i) {
        p.drawEllipse(QPointF(rng.Range(-30.0, 26.0), rng.Range(-11.0, -4.0)), 1.1, 0.8);
    }
    p.restore();
    p.setBrush(QColor(230, 200, 80));
    p.drawEllipse(QPointF(22, -9.5), 1.5, 1.2);
    p.setBrush(QColor(10, 10, 10));
    p.drawEllipse(QPointF(22.3, -9.6), 0.7, 0.7);
    p.restore();
}

}  // namespace orb::art::life
