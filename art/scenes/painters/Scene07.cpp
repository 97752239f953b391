#include <cmath>

#include "kit/PaintKit.h"
#include "scenes/ScenePainters.h"
#include "scenes/painters/LifeKit.h"

namespace orb::art {

namespace {

// A clump of the first land plants: leafless forked stems with spore caps.
void StemClump(QPainter& p, Rng& rng, double x, double baseY, double h, QColor stem) {
    const int stems = rng.Int(6, 12);
    for (int i = 0; i < stems; ++i) {
        const double lean = rng.Range(-0.45, 0.45);
        const double sh = h * rng.Range(0.6, 1.1);
        const QPointF base(x + rng.Range(-h * 0.2, h * 0.2), baseY);
        const QPointF fork = base + QPointF(lean * sh * 0.5, -sh * 0.6);
        const QColor c = Mix(stem.darker(125), stem.lighter(120), rng.Uniform());
        p.setPen(QPen(c, std::max(0.7, h * 0.05), Qt::SolidLine, Qt::RoundCap));
        p.drawLine(base, fork);
        for (int side = -1; side <= 1; side += 2) {
            const QPointF tip = fork + QPointF(side * sh * 0.18 + lean * sh * 0.2, -sh * 0.4);
            p.drawLine(fork, tip);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(176, 140, 60));
            p.drawEllipse(tip, std::max(0.8, h * 0.05), std::max(0.8, h * 0.05));
            p.setPen(QPen(c, std::max(0.7, h * 0.05), Qt::SolidLine, Qt::RoundCap));
        }
    }
    p.setPen(Qt::NoPen);
}

// Archaeopteris, the first true tree: a straight trunk with tiers of flat,
// fern-like branch sprays.
void Archaeopteris(QPainter& p, Rng& rng, double x, double baseY, double h, QColor leaf) {
    const double topY = baseY - h;
    FillShaded(
        p,
        Tube(QPointF(x, baseY), QPointF(x, baseY - h * 0.5), QPointF(x, topY), h * 0.05, h * 0.015),
        QColor(96, 76, 60), topY, baseY);
    const int tiers = 7;
    for (int i = 0; i < tiers; ++i) {
        const double t = static_cast<double>(i) / (tiers - 1);
        const double y = topY + h * (0.05 + 0.62 * t);
        const double reach = h * (0.1 + 0.22 * t) * rng.Range(0.85, 1.1);
        for (int side = -1; side <= 1; side += 2) {
            const QPointF base(x, y);
            const QPointF tip(x + side * reach, y + reach * 0.18);
            Frond(p, base, QPointF(x + side * reach * 0.5, y - reach * 0.12), tip, h * 0.07,
                  leaf.darker(140), Mix(leaf.darker(115), leaf, t), 10, std::max(0.8, h * 0.012));
        }
    }
}

}  // namespace

// A Devonian shore: a lobe-finned fish hauling itself over the wet sand of a
// tidal flat, green carpets of the first land plants and young fern-like
// trees on red sandstone hills, the open sea behind.
QImage PaintScene07() {
    using namespace life;
    QImage image = NewSceneCanvas();
    const ColorStop sky[] = {
        {0.0, QColor(84, 136, 190)}, {0.7, QColor(170, 196, 214)}, {1.0, QColor(236, 224, 200)}};
    FillSky(image, sky, 3, 0, 150);
    PaintClouds(
        image, 0, 140,
        RecedingClouds({QColor(255, 250, 244), QColor(176, 170, 180), 0.5, 160.0, 30.0, 0.9, 701}));
    Rng rng(0x0707);
    {
        CanvasPainter p(image);
        Glow(p, QPointF(110, 50), 80, QColor(255, 246, 220), 0.55);
    }
    // The sea mirrors the sky, then swells roll in, wider apart as they near.
    ReflectWater(image, 148, 148, 270, QColor(40, 100, 124), 0.5, 0.75, 712, 10);
    for (int y = 150; y < 270; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < 512; ++x) {
            const double wave =
                std::sin(16.0 * std::sqrt(y - 147.0) + 5.0 * Fbm(x / 70.0, y / 18.0, 3, 705));
            const double a = SmoothStep(0.8, 1.0, wave) * 0.3 * (0.2 + 0.8 * (y - 150) / 90.0);
            row[x] = Mix(QColor::fromRgb(row[x]), QColor(235, 245, 245), a).rgb();
        }
    }
    {
        CanvasPainter p(image);
        // Red sandstone headlands rising on the right.
        QPainterPath far;
        far.moveTo(220, 150);
        for (int x = 220; x <= 514; x += 2) {
            const double rise = SmoothStep(220, 330, x);
            far.lineTo(x, 150 - rise * (26 + 22 * (Fbm(x * 0.015, 0.3, 4, 702) - 0.5)));
        }
        far.lineTo(514, 150);
        far.closeSubpath();
        FillVertical(p, far, QColor(170, 136, 124), QColor(190, 168, 150), 110, 150);
        // The near headland starts at the shoreline so it meets the flat cleanly.
        QPainterPath mid;
        mid.moveTo(262, 212);
        for (int x = 262; x <= 514; x += 2) {
            const double rise = SmoothStep(262, 400, x);
            mid.lineTo(x, 212 - rise * (60 + 24 * (Fbm(x * 0.02, 0.7, 4, 703) - 0.5)));
        }
        mid.lineTo(514, 240);
        mid.lineTo(262, 240);
        mid.closeSubpath();
        FillVertical(p, mid, QColor(164, 104, 80), QColor(130, 84, 66), 120, 190);
        Mottle(p, mid, QColor(90, 120, 60), 16, 6, 704, 0.75, 0.5);
        for (int i = 0; i < 16; ++i) {
            const double x = rng.Range(380, 512);
            const double y = 152 + rng.Range(0, 16) + (x < 420 ? 12 : 0);
            Archaeopteris(p, rng, x, y, rng.Range(16, 26), QColor(70, 104, 60));
        }

        // The tidal flat: wet sand sweeping from the front to the headland.
        QPainterPath flat;
        flat.moveTo(-2, 262);
        flat.cubicTo(100, 240, 220, 222, 300, 200);
        flat.cubicTo(340, 188, 400, 182, 514, 180);
        flat.lineTo(514, 322);
        flat.lineTo(-2, 322);
        flat.closeSubpath();
        FillVertical(p, flat, QColor(196, 178, 146), QColor(150, 124, 96), 180, 320);
        // Foam at the water's edge.
        QPainterPath edge;
        edge.moveTo(-2, 262);
        edge.cubicTo(100, 240, 220, 222, 300, 200);
        edge.cubicTo(340, 188, 400, 182, 514, 180);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(240, 245, 240, 200), 2.5));
        p.drawPath(edge);
        p.setPen(QPen(QColor(240, 245, 240, 90), 5));
        p.drawPath(edge.translated(-6, -4));
        p.setPen(Qt::NoPen);
        // Shallow sheet of water over the sand near the edge.
        p.setBrush(QColor(120, 150, 160, 90));
        p.drawPath(flat.subtracted(RidgePath(262, 16, 0.012, 707, 3)));
        Mottle(p, flat, QColor(120, 96, 70), 30, 6, 708, 0.35, 0.55);
        Mottle(p, flat, QColor(70, 120, 50), 22, 9, 709, 0.8, 0.62);

        // Rocks and plant clumps on the flat.
        for (int i = 0; i < 7; ++i) {
            const double x = rng.Range(300, 510);
            const double y = rng.Range(230, 300);
            const double r = rng.Range(6, 16) * (y / 260.0);
            p.setBrush(QColor(120, 90, 76));
            p.drawPath(Blob(QPointF(x, y - r * 0.3), r, r * 0.55, rng, 0.2, 9));
            p.setBrush(QColor(150, 116, 96));
            p.drawPath(Blob(QPointF(x - r * 0.2, y - r * 0.45), r * 0.7, r * 0.35, rng, 0.2, 9));
        }
        for (int i = 0; i < 40; ++i) {
            const double y = 196 + i * 3.0;
            const double x = rng.Range(280, 510) - (y - 196) * 0.6;
            StemClump(p, rng, x, y, 4 + (y - 190) * 0.12, QColor(96, 140, 60));
        }
        // A low bank on the right, green with the first plants.
        QPainterPath bank;
        bank.moveTo(330, 322);
        bank.cubicTo(350, 290, 380, 262, 430, 252);
        bank.cubicTo(470, 244, 500, 240, 514, 238);
        bank.lineTo(514, 322);
        bank.closeSubpath();
        FillVertical(p, bank, QColor(104, 118, 62), QColor(64, 70, 40), 240, 320);
        Mottle(p, bank, QColor(130, 150, 70), 12, 6, 710, 0.6);
        Mottle(p, bank, QColor(120, 90, 70), 20, 10, 711, 0.5, 0.6);
        for (int i = 0; i < 60; ++i) {
            const double y = 250 + i * 1.2;
            const double x = rng.Range(520 - (y - 238) * 2.2, 520);
            StemClump(p, rng, x, y, 6 + (y - 240) * 0.18, QColor(96, 140, 60));
        }
        for (int i = 0; i < 26; ++i) {
            const double x = 380 + i * 5.0 + rng.Range(-6, 6);
            StemClump(p, rng, x, 300 + rng.Range(0, 22), rng.Range(14, 28), QColor(90, 136, 56));
        }
        Archaeopteris(p, rng, 470, 252, 110, QColor(66, 108, 52));
        Archaeopteris(p, rng, 420, 262, 80, QColor(72, 112, 56));
        Archaeopteris(p, rng, 500, 246, 70, QColor(70, 110, 56));
        StemClump(p, rng, 470, 312, 26, QColor(90, 136, 56));
        StemClump(p, rng, 500, 300, 20, QColor(100, 144, 60));
        StemClump(p, rng, 430, 318, 22, QColor(84, 130, 56));

        // The lobe-finned fish, one ashore and one in the shallows.
        LobeFish(p, 200, 284, 2.1, false, QColor(104, 112, 70));
        p.setBrush(QColor(230, 240, 240, 120));
        p.drawEllipse(QPointF(70, 270), 26, 3);
        LobeFish(p, 70, 271, 1.2, true, QColor(90, 104, 76));
    }
    return image;
}

}  // namespace orb::art
