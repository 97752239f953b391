#include "kit/Vegetation.h"

#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <vector>

#include "kit/Gradient.h"
#include "kit/Shapes.h"

namespace orb::art {

namespace {

// A leaf crown is built in three layers: shade, the leaf colour, then light.
QColor CrownLayer(const QColor& leaf, int layer, int light = 125) {
    return layer == 0 ? leaf.darker(150) : layer == 1 ? leaf : leaf.lighter(light);
}

// Forks a branch in two, `depth` times over, adding the wood to `wood` and
// the last twigs' ends to `tips`.
void Branches(QPainterPath& wood, std::vector<QPointF>& tips, Rng& rng, QPointF from, double angle,
              double len, double width, int depth, double spread) {
    const QPointF to = from + QPointF(std::cos(angle) * len, std::sin(angle) * len);
    const QPointF ctrl = (from + to) * 0.5 + QPointF(rng.Range(-0.15, 0.15) * len, 0.0);
    wood.addPath(Tube(from, ctrl, to, width, width * 0.65, 8));
    if (depth == 0) {
        tips.push_back(to);
        return;
    }
    const int kids = 2;
    for (int k = 0; k < kids; ++k) {
        const double a = angle + (k == 0 ? -spread : spread) * rng.Range(0.6, 1.2);
        Branches(wood, tips, rng, to, a, len * rng.Range(0.62, 0.8), width * 0.65, depth - 1,
                 spread);
    }
}

}  // namespace

void GrassTufts(QPainter& p, Rng& rng, double top, double bottom, int count, const GrassStyle& s) {
    p.save();
    for (int i = 0; i < count; ++i) {
        // Sort by depth so nearer tufts overlap farther ones.
        const double t = static_cast<double>(i) / count;
        const double y = top + (bottom - top) * (t + rng.Range(0.0, 1.0 / count));
        const double x = rng.Range(-5.0, 517.0);
        const double depth = (y - top) / std::max(1.0, bottom - top);
        const double h = s.height * (0.4 + 0.8 * depth) * rng.Range(0.6, 1.3);
        const int blades = rng.Int(s.minBlades, s.maxBlades);
        for (int b = 0; b < blades; ++b) {
            const double lean = rng.Range(-0.6, 0.6);
            const QColor c = Mix(s.dark, s.light, rng.Uniform());
            p.setPen(QPen(c, s.widthFar + (s.widthNear - s.widthFar) * depth, Qt::SolidLine,
                          Qt::RoundCap));
            QPainterPath blade(QPointF(x + b * 0.8, y));
            blade.quadTo(QPointF(x + b * 0.8 + lean * h * 0.3, y - h * 0.6),
                         QPointF(x + b * 0.8 + lean * h, y - h));
            p.setBrush(Qt::NoBrush);
            p.drawPath(blade);
        }
    }
    p.restore();
}

void Conifer(QPainter& p, Rng& rng, double x, double ground, double h, double w, const QColor& leaf,
             bool snow) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 50, 35));
    p.drawRect(QRectF(x - w * 0.05, ground - h * 0.15, w * 0.1, h * 0.15));
    const int tiers = 7;
    for (int i = 0; i < tiers; ++i) {
        const double t = static_cast<double>(i) / tiers;
        const double yb = ground - h * (0.08 + 0.84 * t);
        const double yt = yb - h * 0.26;
        const double half = w * 0.5 * (1.0 - t * 0.85) * rng.Range(0.9, 1.1);
        QPainterPath tier;
        tier.moveTo(x, yt);
        tier.quadTo(QPointF(x - half * 0.4, yb - h * 0.1), QPointF(x - half, yb + h * 0.02));
        tier.quadTo(QPointF(x, yb - h * 0.03), QPointF(x + half, yb + h * 0.02));
        tier.quadTo(QPointF(x + half * 0.4, yb - h * 0.1), QPointF(x, yt));
        p.setBrush(Gradient(QPointF(x - half, 0.0), QPointF(x + half, 0.0), leaf.lighter(120), leaf,
                            0.6, leaf.darker(160)));
        p.drawPath(tier);
        if (snow) {
            QPainterPath cap;
            cap.moveTo(x, yt);
            cap.quadTo(QPointF(x - half * 0.35, yb - h * 0.12), QPointF(x - half * 0.9, yb));
            cap.quadTo(QPointF(x - half * 0.3, yb - h * 0.1),
                       QPointF(x + half * 0.2, yb - h * 0.06));
            cap.quadTo(QPointF(x + half * 0.1, yb - h * 0.15), QPointF(x, yt));
            p.setBrush(QColor(238, 244, 252));
            p.drawPath(cap);
        }
    }
    p.restore();
}

void FlatConifer(QPainter& p, double x, double ground, double h, const QColor& colour) {
    p.save();
    p.setPen(Qt::NoPen);
    const double w = h * 0.34;
    p.setBrush(colour.darker(170));
    p.drawRect(QRectF(x - h * 0.03, ground - h * 0.15, h * 0.06, h * 0.15));
    // Three tiers, each with a lit left half.
    for (int i = 0; i < 3; ++i) {
        const double top = ground - h + i * h * 0.25;
        const double base = ground - h * 0.12 - (2 - i) * h * 0.18;
        const double half = w * (0.55 + 0.22 * i);
        QPainterPath tier;
        tier.moveTo(x, top);
        tier.lineTo(x + half, base);
        tier.lineTo(x - half, base);
        tier.closeSubpath();
        p.setBrush(colour.darker(125));
        p.drawPath(tier);
        QPainterPath lit;
        lit.moveTo(x, top);
        lit.lineTo(x - half, base);
        lit.lineTo(x - half * 0.1, base);
        lit.closeSubpath();
        p.setBrush(colour);
        p.drawPath(lit);
    }
    p.restore();
}

void BroadTree(QPainter& p, Rng& rng, double x, double baseY, double h, double w, QColor leaf,
               QColor trunk) {
    p.save();
    p.setPen(Qt::NoPen);
    const double crownY = baseY - h * 0.62;
    QPainterPath wood = Tube(QPointF(x, baseY), QPointF(x + w * 0.03, baseY - h * 0.3),
                             QPointF(x, crownY), w * 0.13, w * 0.06);
    for (int b = 0; b < 3; ++b) {
        const double side = b - 1.0;
        wood.addPath(Tube(QPointF(x, baseY - h * (0.35 + 0.05 * b)),
                          QPointF(x + side * w * 0.15, crownY),
                          QPointF(x + side * w * 0.3, crownY - h * 0.12), w * 0.06, w * 0.02));
    }
    wood.setFillRule(Qt::WindingFill);
    FillShaded(p, wood, trunk, crownY, baseY);
    // Dark mass, then lighter clusters toward the sun at upper left.
    // Big foreground trees get more, smaller clusters so they do not look inflated.
    const bool big = w > 90.0;
    const int n = big ? 34 : 14;
    const double scale = big ? 0.62 : 1.0;
    for (int layer = 0; layer < 3; ++layer) {
        const QColor c = CrownLayer(leaf, layer);
        p.setBrush(c);
        for (int i = 0; i < n - layer * (big ? 9 : 4); ++i) {
            const double a = rng.Range(0.0, 2.0 * kPi);
            const double r = std::sqrt(rng.Uniform());
            double cx = x + std::cos(a) * r * w * 0.38;
            double cy = crownY + std::sin(a) * r * h * 0.25;
            if (layer > 0) {
                cx -= layer * w * 0.04;
                cy -= layer * h * 0.04;
            }
            const double rad = w * rng.Range(0.14, 0.22) * (1.0 - 0.18 * layer) * scale;
            p.drawPath(Blob(QPointF(cx, cy), rad, rad * 0.8, rng, 0.18, 10));
        }
    }
    p.restore();
}

void DrawLeafyTree(QPainter& p, double x, double ground, double h, const QColor& leaf,
                   const QColor& trunk, Rng& rng) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(trunk);
    const double tw = std::max(1.0, h * 0.07);
    QPainterPath stem;
    stem.moveTo(x - tw, ground);
    stem.lineTo(x - tw * 0.5, ground - h * 0.5);
    stem.lineTo(x + tw * 0.5, ground - h * 0.5);
    stem.lineTo(x + tw, ground);
    p.drawPath(stem);
    const double cr = h * 0.36;
    const QPointF crown(x, ground - h + cr);
    for (int pass = 0; pass < 3; ++pass) {
        const QColor c = CrownLayer(leaf, pass);
        const int blobs = pass == 2 ? 4 : 6;
        for (int i = 0; i < blobs; ++i) {
            const double a = rng.Range(0.0, 2.0 * kPi);
            const double r = cr * rng.Range(0.45, 0.7) * (pass == 2 ? 0.7 : 1.0);
            const double d = cr * rng.Range(0.0, 0.5);
            const double ox = std::cos(a) * d - (pass == 2 ? cr * 0.25 : 0.0);
            const double oy = std::sin(a) * d * 0.7 - pass * cr * 0.12;
            p.setBrush(c);
            p.drawEllipse(QPointF(crown.x() + ox, crown.y() + oy), r, r * 0.85);
        }
    }
    p.restore();
}

void Frond(QPainter& p, QPointF base, QPointF ctrl, QPointF tip, double leaf, QColor stem,
           QColor leafColour, int count, double width) {
    p.save();
    QPen pen(leafColour, width, Qt::SolidLine, Qt::RoundCap);
    for (int i = 1; i <= count; ++i) {
        const double t = static_cast<double>(i) / (count + 1);
        const QPointF pt = QuadPoint(base, ctrl, tip, t);
        QPointF d = QuadTangent(base, ctrl, tip, t);
        const double len = std::hypot(d.x(), d.y());
        d = len > 1e-9 ? d / len : QPointF(1.0, 0.0);
        const double l = leaf * std::sin(kPi * (0.15 + 0.85 * t)) * (1.05 - 0.5 * t);
        pen.setColor(Mix(leafColour, leafColour.lighter(125), t));
        p.setPen(pen);
        for (int side = -1; side <= 1; side += 2) {
            // Leaflets sweep forward and droop a little.
            const double ang = side * 1.0;
            const QPointF dir(d.x() * std::cos(ang) - d.y() * std::sin(ang),
                              d.x() * std::sin(ang) + d.y() * std::cos(ang));
            p.drawLine(pt, pt + dir * l + QPointF(0.0, l * 0.25));
        }
    }
    QPainterPath rachis(base);
    rachis.quadTo(ctrl, tip);
    p.setPen(QPen(stem, width * 0.9, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(rachis);
    p.restore();
}

void FernClump(QPainter& p, Rng& rng, QPointF base, double size, QColor stem, QColor leaf) {
    const int fronds = rng.Int(4, 6);
    for (int f = 0; f < fronds; ++f) {
        const double spread = (f - (fronds - 1) * 0.5) / std::max(1, fronds - 1);
        const double dx = spread * size * rng.Range(0.7, 1.0);
        Frond(p, base, base + QPointF(dx * 0.6, -size * 0.9),
              base + QPointF(dx * 1.6, -size * 0.35), size * 0.22, stem,
              Mix(leaf.darker(115), leaf.lighter(110), rng.Uniform()), 12,
              std::max(0.7, size * 0.035));
    }
}

void Acacia(QPainter& p, Rng& rng, double x, double baseY, double h, double w, QColor leaf,
            QColor trunk) {
    p.save();
    p.setPen(Qt::NoPen);
    const double topY = baseY - h * 0.78;
    QPainterPath wood = Tube(QPointF(x, baseY), QPointF(x + w * 0.02, baseY - h * 0.3),
                             QPointF(x, baseY - h * 0.45), w * 0.07, w * 0.05);
    for (int b = 0; b < 4; ++b) {
        const double side = (b - 1.5) / 1.5;
        wood.addPath(Tube(QPointF(x, baseY - h * 0.43),
                          QPointF(x + side * w * 0.1, baseY - h * 0.62),
                          QPointF(x + side * w * 0.36, topY + h * 0.04), w * 0.04, w * 0.015));
    }
    wood.setFillRule(Qt::WindingFill);
    FillShaded(p, wood, trunk, topY, baseY);
    for (int layer = 0; layer < 2; ++layer) {
        p.setBrush(layer == 0 ? leaf.darker(145) : leaf);
        for (int i = 0; i < 9; ++i) {
            const double cx = x + rng.Range(-0.42, 0.42) * w;
            const double cy = topY + rng.Range(-0.06, 0.04) * h - layer * h * 0.05;
            const double rx = w * rng.Range(0.14, 0.22);
            p.drawPath(Blob(QPointF(cx, cy), rx, rx * 0.32, rng, 0.15, 10));
        }
    }
    p.restore();
}

void Araucaria(QPainter& p, Rng& rng, double x, double baseY, double h, QColor leaf, QColor trunk) {
    p.save();
    p.setPen(Qt::NoPen);
    const double topY = baseY - h;
    FillShaded(p,
               Tube(QPointF(x, baseY), QPointF(x, baseY - h * 0.5), QPointF(x, topY), h * 0.045,
                    h * 0.012),
               trunk, topY, baseY);
    // Whorls of up-curving branches with tufts along them: an umbrella crown.
    const int whorls = 8;
    const double tuft = std::max(1.5, h * 0.035);
    for (int pass = 0; pass < 2; ++pass) {
        Rng local(rng.Next());
        for (int i = 0; i < whorls; ++i) {
            const double t = static_cast<double>(i) / (whorls - 1);
            const double y = topY + h * (0.03 + 0.3 * t);
            const double reach = h * (0.08 + 0.17 * std::sin(kPi * (0.2 + 0.55 * t)));
            for (int side = -1; side <= 1; side += 2) {
                const double r = reach * local.Range(0.8, 1.15);
                const QPointF tip(x + side * r, y - r * 0.12);
                if (pass == 0) {
                    p.setPen(QPen(trunk.darker(120), std::max(0.8, h * 0.006)));
                    p.setBrush(Qt::NoBrush);
                    QPainterPath br(QPointF(x, y));
                    br.quadTo(QPointF(x + side * r * 0.6, y + r * 0.08), tip);
                    p.drawPath(br);
                    p.setPen(Qt::NoPen);
                }
                for (int k = 0; k < 4; ++k) {
                    const double u = 0.35 + 0.65 * k / 3.0;
                    const QPointF c(x + side * r * u,
                                    y + r * 0.06 * std::sin(kPi * u) - r * 0.12 * u * u);
                    const double sz = tuft * (0.5 + 0.6 * u);
                    p.setBrush(pass == 0 ? leaf.darker(135) : Mix(leaf, leaf.lighter(125), u));
                    const QPointF off =
                        pass == 0 ? QPointF(0, sz * 0.35) : QPointF(-sz * 0.15, -sz * 0.1);
                    p.drawPath(Blob(c + off, sz * 1.6, sz * 0.5, local, 0.2, 9));
                }
            }
        }
    }
    p.restore();
}

void Cycad(QPainter& p, Rng& rng, double x, double baseY, double h, QColor leaf, QColor trunk) {
    p.save();
    const double trunkH = h * 0.35;
    const QPainterPath body = Tube(QPointF(x, baseY), QPointF(x, baseY - trunkH * 0.5),
                                   QPointF(x, baseY - trunkH), h * 0.22, h * 0.17);
    FillShaded(p, body, trunk, baseY - trunkH, baseY);
    // Diamond leaf-base pattern on the trunk.
    p.save();
    p.setClipPath(body);
    p.setPen(QPen(trunk.darker(150), 0.8));
    for (double d = -h; d < h; d += h * 0.06) {
        p.drawLine(QPointF(x - h * 0.2, baseY + d), QPointF(x + h * 0.2, baseY + d - h * 0.12));
        p.drawLine(QPointF(x - h * 0.2, baseY + d - h * 0.12), QPointF(x + h * 0.2, baseY + d));
    }
    p.restore();
    const QPointF top(x, baseY - trunkH);
    const int fronds = 11;
    for (int i = 0; i < fronds; ++i) {
        const double a = kPi * (0.08 + 0.84 * (i + rng.Range(-0.3, 0.3)) / (fronds - 1));
        const double len = h * rng.Range(0.6, 0.8);
        const QPointF dir(-std::cos(a), -std::sin(a));
        const QPointF tip = top + QPointF(dir.x() * len, dir.y() * len * 0.7 + len * 0.25);
        const QPointF ctrl = top + QPointF(dir.x() * len * 0.5, dir.y() * len * 0.7 - len * 0.1);
        Frond(p, top, ctrl, tip, len * 0.2, leaf.darker(130),
              Mix(leaf.darker(120), leaf, rng.Uniform()), 16, std::max(1.0, h * 0.018));
    }
    p.restore();
}

void PalmLike(QPainter& p, Rng& rng, double x, double baseY, double h, double lean, QColor leaf,
              QColor trunk, int fronds, double frondLen) {
    p.save();
    const QPointF top(x + lean * h, baseY - h);
    const QPainterPath body = Tube(QPointF(x, baseY), QPointF(x + lean * h * 0.2, baseY - h * 0.6),
                                   top, h * 0.06, h * 0.035);
    FillShaded(p, body, trunk, top.y(), baseY);
    p.save();
    p.setClipPath(body);
    p.setPen(QPen(trunk.darker(140), 0.8));
    for (double y = top.y(); y < baseY; y += std::max(2.0, h * 0.03)) {
        p.drawLine(QPointF(x - h, y), QPointF(x + h, y + 1.0));
    }
    p.restore();
    for (int i = 0; i < fronds; ++i) {
        const double a = 2.0 * kPi * (i + rng.Range(-0.25, 0.25)) / fronds;
        const double len = frondLen * rng.Range(0.8, 1.1);
        const double dx = std::cos(a);
        const double up = std::sin(a);
        const QPointF ctrl = top + QPointF(dx * len * 0.55, -len * (0.25 + 0.2 * up));
        const QPointF tip = top + QPointF(dx * len, len * (0.25 - 0.2 * up));
        Frond(p, top, ctrl, tip, len * 0.22, leaf.darker(130),
              Mix(leaf.darker(125), leaf.lighter(110), rng.Uniform()), 18,
              std::max(1.0, len * 0.035));
    }
    p.restore();
}

void Horsetail(QPainter& p, Rng& rng, double x, double baseY, double h, double w, QColor stem,
               QColor leaf) {
    p.save();
    const double topY = baseY - h;
    const QPainterPath body =
        Tube(QPointF(x, baseY), QPointF(x + rng.Range(-w, w), baseY - h * 0.5), QPointF(x, topY), w,
             w * 0.35);
    // Whorls of needle leaves at each joint, the lower ones longer.
    const int nodes = std::max(5, static_cast<int>(h / (w * 2.2)));
    QPen pen(leaf, std::max(0.6, w * 0.12), Qt::SolidLine, Qt::RoundCap);
    for (int i = 2; i < nodes; ++i) {
        const double t = static_cast<double>(i) / nodes;
        const double y = baseY - h * t;
        const double len = w * 3.2 * (1.15 - 0.7 * t);
        for (int k = 0; k < 9; ++k) {
            const double a = kPi * (0.05 + 0.9 * k / 8.0);
            pen.setColor(Mix(leaf.darker(130), leaf.lighter(115), k / 8.0));
            p.setPen(pen);
            p.drawLine(QPointF(x, y),
                       QPointF(x - std::cos(a) * len, y - std::sin(a) * len * 0.35 - len * 0.25));
        }
    }
    p.setPen(Qt::NoPen);
    FillShaded(p, body, stem, topY, baseY);
    p.save();
    p.setClipPath(body);
    p.setPen(QPen(stem.darker(170), std::max(0.8, w * 0.15)));
    for (int i = 1; i < nodes; ++i) {
        const double y = baseY - h * static_cast<double>(i) / nodes;
        p.drawLine(QPointF(x - w * 2, y), QPointF(x + w * 2, y));
    }
    p.restore();
    p.restore();
}

void ScaleTree(QPainter& p, Rng& rng, double x, double baseY, double h, double w, QColor bark,
               QColor leaf) {
    p.save();
    const double forkY = baseY - h * 0.78;
    QPainterPath trunk =
        Tube(QPointF(x, baseY), QPointF(x, baseY - h * 0.4), QPointF(x, forkY), w, w * 0.75, 12);
    // Flared roots.
    trunk = trunk.united(
        PolygonPath({QPointF(x - w * 1.2, baseY + 1), QPointF(x - w * 0.4, baseY - w * 1.2),
                     QPointF(x + w * 0.4, baseY - w * 1.2), QPointF(x + w * 1.2, baseY + 1)}));
    p.setPen(Qt::NoPen);
    p.setBrush(Gradient(QPointF(x - w * 0.5, 0.0), QPointF(x + w * 0.5, 0.0), bark.lighter(125),
                        bark, 0.5, bark.darker(170)));
    p.drawPath(trunk);
    // Diamond leaf scars, the mark of the scale trees.
    p.save();
    p.setClipPath(trunk);
    p.setPen(QPen(bark.darker(160), std::max(0.6, w * 0.06)));
    const double step = std::max(3.0, w * 0.35);
    for (double d = -h; d < h; d += step) {
        p.drawLine(QPointF(x - w, forkY + d), QPointF(x + w, forkY + d + w * 0.9));
        p.drawLine(QPointF(x + w, forkY + d), QPointF(x - w, forkY + d + w * 0.9));
    }
    p.restore();
    QPainterPath wood;
    std::vector<QPointF> tips;
    Branches(wood, tips, rng, QPointF(x, forkY + 1), -kPi / 2 - 0.45, h * 0.1, w * 0.7, 3, 0.42);
    Branches(wood, tips, rng, QPointF(x, forkY + 1), -kPi / 2 + 0.45, h * 0.1, w * 0.7, 3, 0.42);
    p.setBrush(bark.darker(115));
    wood.setFillRule(Qt::WindingFill);
    p.drawPath(wood);
    // Grassy leaf tufts hanging from every branch tip.
    for (const QPointF& t : tips) {
        const double r = h * 0.035;
        for (int k = 0; k < 9; ++k) {
            const double a = kPi * (0.1 + 0.8 * k / 8.0);
            p.setPen(QPen(Mix(leaf.darker(130), leaf.lighter(120), rng.Uniform()),
                          std::max(0.7, w * 0.1), Qt::SolidLine, Qt::RoundCap));
            p.drawLine(t, t + QPointF(-std::cos(a) * r, std::sin(a) * r * 1.4 - r * 0.3));
        }
        p.setPen(Qt::NoPen);
        p.setBrush(leaf.darker(110));
        p.drawEllipse(t, r * 0.35, r * 0.5);
    }
    p.restore();
}

void DeadTree(QPainter& p, Rng& rng, double x, double baseY, double h, double w, QColor wood) {
    p.save();
    QPainterPath path;
    std::vector<QPointF> tips;
    const double trunkLen = h * 0.45;
    path.addPath(Tube(QPointF(x, baseY + 1), QPointF(x + rng.Range(-w, w), baseY - trunkLen * 0.5),
                      QPointF(x, baseY - trunkLen), w, w * 0.7, 10));
    const int main = rng.Int(2, 3);
    for (int i = 0; i < main; ++i) {
        const double a = -kPi / 2 + (i - (main - 1) * 0.5) * 0.55 + rng.Range(-0.15, 0.15);
        Branches(path, tips, rng, QPointF(x, baseY - trunkLen), a, h * 0.24, w * 0.6, 3, 0.45);
    }
    path.setFillRule(Qt::WindingFill);
    p.setPen(Qt::NoPen);
    p.setBrush(
        Gradient(QPointF(x - w, 0.0), QPointF(x + w, 0.0), wood.lighter(130), wood.darker(140)));
    p.drawPath(path);
    p.restore();
}

void Shrub(QPainter& p, Rng& rng, double x, double baseY, double w, double h, QColor leaf,
           QColor flower, int flowers) {
    p.save();
    p.setPen(Qt::NoPen);
    for (int layer = 0; layer < 3; ++layer) {
        const QColor c = CrownLayer(leaf, layer, 122);
        p.setBrush(c);
        for (int i = 0; i < 7 - layer * 2; ++i) {
            const double cx = x + rng.Range(-0.35, 0.35) * w - layer * w * 0.04;
            const double cy = baseY - h * 0.45 + rng.Range(-0.2, 0.2) * h - layer * h * 0.08;
            const double r = w * rng.Range(0.2, 0.3) * (1.0 - 0.2 * layer);
            p.drawPath(Blob(QPointF(cx, std::min(cy, baseY - r * 0.6)), r, r * 0.8, rng, 0.2, 10));
        }
    }
    for (int i = 0; i < flowers; ++i) {
        const double a = rng.Range(0.0, 2.0 * kPi);
        const double r = std::sqrt(rng.Uniform());
        const QPointF c(x + std::cos(a) * r * w * 0.45,
                        baseY - h * 0.5 + std::sin(a) * r * h * 0.4);
        const double fr = std::max(1.2, w * 0.035);
        p.setBrush(flower.darker(115));
        p.drawEllipse(c + QPointF(0.4, 0.4), fr, fr);
        p.setBrush(flower);
        p.drawEllipse(c, fr * 0.85, fr * 0.85);
        p.setBrush(QColor(250, 220, 90));
        p.drawEllipse(c, fr * 0.3, fr * 0.3);
    }
    p.restore();
}

}  // namespace orb::art
