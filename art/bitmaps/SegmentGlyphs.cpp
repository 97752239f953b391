#include "bitmaps/SegmentGlyphs.h"

#include <QLineF>
#include <QPainter>
#include <QPolygonF>
#include <QTransform>
#include <cmath>

#include "bitmaps/ConsoleStyle.h"
#include "bitmaps/Glow.h"
#include "kit/CanvasPainter.h"

namespace orb::art {
namespace {

// A segment with pointed ends between (xa, y) and (xb, y).
QPainterPath Horizontal(double xa, double xb, double y, double t) {
    const double h = t / 2;
    QPolygonF poly;
    poly << QPointF(xa, y) << QPointF(xa + h, y - h) << QPointF(xb - h, y - h) << QPointF(xb, y)
         << QPointF(xb - h, y + h) << QPointF(xa + h, y + h);
    QPainterPath path;
    path.addPolygon(poly);
    path.closeSubpath();
    return path;
}

QPainterPath Vertical(double x, double ya, double yb, double t) {
    const double h = t / 2;
    QPolygonF poly;
    poly << QPointF(x, ya) << QPointF(x + h, ya + h) << QPointF(x + h, yb - h) << QPointF(x, yb)
         << QPointF(x - h, yb - h) << QPointF(x - h, ya + h);
    QPainterPath path;
    path.addPolygon(poly);
    path.closeSubpath();
    return path;
}

// A diagonal bar from one corner of a quarter to the other, trimmed to it.
QPainterPath Diagonal(const QRectF& quarter, bool rising, double t) {
    const QPointF a = rising ? quarter.bottomLeft() : quarter.topLeft();
    const QPointF b = rising ? quarter.topRight() : quarter.bottomRight();
    const QLineF line(a, b);
    const QPointF n = QPointF(-line.dy(), line.dx()) / line.length() * (t / 2);
    const QPointF u = QPointF(line.dx(), line.dy()) / line.length() * t;
    QPolygonF poly;
    poly << a - u + n << b + u + n << b + u - n << a - u - n;
    QPainterPath bar;
    bar.addPolygon(poly);
    bar.closeSubpath();
    QPainterPath clip;
    clip.addRect(quarter);
    return bar.intersected(clip);
}

QTransform Lean(const SegmentCell& cell) {
    // x' = x + slant * (middle - y) / height: the top leans right.
    const double k = cell.slant / cell.box.height();
    return QTransform(1, 0, -k, 1, k * cell.box.center().y(), 0);
}

std::vector<Segment> Outer(const SegmentCell& cell, bool splitMiddle) {
    const double t = cell.thickness;
    const double g = cell.gap;
    const double x0 = cell.box.left();
    const double x1 = cell.box.right();
    const double y0 = cell.box.top();
    const double y1 = cell.box.bottom();
    const double ym = cell.box.center().y();
    const double xm = cell.box.center().x();
    std::vector<Segment> segs = {
        {kTop, Horizontal(x0 + g, x1 - g, y0, t)},
        {kUpperRight, Vertical(x1, y0 + g, ym - g, t)},
        {kLowerRight, Vertical(x1, ym + g, y1 - g, t)},
        {kBottom, Horizontal(x0 + g, x1 - g, y1, t)},
        {kLowerLeft, Vertical(x0, ym + g, y1 - g, t)},
        {kUpperLeft, Vertical(x0, y0 + g, ym - g, t)},
    };
    if (splitMiddle) {
        segs.push_back({kMiddleLeft, Horizontal(x0 + g, xm - g, ym, t)});
        segs.push_back({kMiddleRight, Horizontal(xm + g, x1 - g, ym, t)});
    } else {
        segs.push_back({static_cast<std::uint16_t>(kMiddleLeft | kMiddleRight),
                        Horizontal(x0 + g, x1 - g, ym, t)});
    }
    return segs;
}

}  // namespace

std::vector<Segment> SegmentGlyphs::SevenSegments(const SegmentCell& cell) {
    std::vector<Segment> segs = Outer(cell, false);
    const QTransform lean = Lean(cell);
    for (auto& s : segs) {
        s.shape = lean.map(s.shape);
    }
    return segs;
}

std::vector<Segment> SegmentGlyphs::FourteenSegments(const SegmentCell& cell) {
    std::vector<Segment> segs = Outer(cell, true);
    const double t = cell.thickness;
    const double g = cell.gap;
    const double in = t / 2 + g;
    const QRectF& b = cell.box;
    const double xm = b.center().x();
    const double ym = b.center().y();
    const double dt = t * 0.85;
    segs.push_back({kCentreUp, Vertical(xm, b.top() + g, ym - g, t)});
    segs.push_back({kCentreDown, Vertical(xm, ym + g, b.bottom() - g, t)});
    const QRectF ul(QPointF(b.left() + in, b.top() + in), QPointF(xm - in, ym - in));
    const QRectF ur(QPointF(xm + in, b.top() + in), QPointF(b.right() - in, ym - in));
    const QRectF ll(QPointF(b.left() + in, ym + in), QPointF(xm - in, b.bottom() - in));
    const QRectF lr(QPointF(xm + in, ym + in), QPointF(b.right() - in, b.bottom() - in));
    segs.push_back({kDiagUpperLeft, Diagonal(ul, false, dt)});
    segs.push_back({kDiagUpperRight, Diagonal(ur, true, dt)});
    segs.push_back({kDiagLowerLeft, Diagonal(ll, true, dt)});
    segs.push_back({kDiagLowerRight, Diagonal(lr, false, dt)});
    const QTransform lean = Lean(cell);
    for (auto& s : segs) {
        s.shape = lean.map(s.shape);
    }
    return segs;
}

std::uint16_t SegmentGlyphs::DigitMask(int digit) {
    constexpr std::uint16_t kMid = kMiddleLeft | kMiddleRight;
    static const std::uint16_t masks[10] = {
        kTop | kUpperRight | kLowerRight | kBottom | kLowerLeft | kUpperLeft,
        kUpperRight | kLowerRight,
        kTop | kUpperRight | kMid | kLowerLeft | kBottom,
        kTop | kUpperRight | kMid | kLowerRight | kBottom,
        kUpperLeft | kMid | kUpperRight | kLowerRight,
        kTop | kUpperLeft | kMid | kLowerRight | kBottom,
        kTop | kUpperLeft | kMid | kLowerLeft | kLowerRight | kBottom,
        kTop | kUpperRight | kLowerRight,
        kTop | kUpperRight | kLowerRight | kBottom | kLowerLeft | kUpperLeft | kMid,
        kTop | kUpperRight | kLowerRight | kBottom | kUpperLeft | kMid,
    };
    return (digit >= 0 && digit <= 9) ? masks[digit] : 0;
}

std::uint16_t SegmentGlyphs::LetterMask(char letter) {
    constexpr std::uint16_t kMid = kMiddleLeft | kMiddleRight;
    constexpr std::uint16_t kRing =
        kTop | kUpperRight | kLowerRight | kBottom | kLowerLeft | kUpperLeft;
    switch (letter) {
        case 'A':
            return kTop | kUpperRight | kLowerRight | kLowerLeft | kUpperLeft | kMid;
        case 'B':
            return kTop | kUpperRight | kLowerRight | kBottom | kCentreUp | kCentreDown |
                   kMiddleRight;
        case 'C':
            return kTop | kUpperLeft | kLowerLeft | kBottom;
        case 'D':
            return kTop | kUpperRight | kLowerRight | kBottom | kCentreUp | kCentreDown;
        case 'E':
            return kTop | kUpperLeft | kLowerLeft | kBottom | kMid;
        case 'F':
            return kTop | kUpperLeft | kLowerLeft | kMid;
        case 'G':
            return kTop | kUpperLeft | kLowerLeft | kBottom | kLowerRight | kMiddleRight;
        case 'J':
            return kUpperRight | kLowerRight | kBottom | kLowerLeft;
        case 'L':
            return kUpperLeft | kLowerLeft | kBottom;
        case 'M':
            return kUpperLeft | kLowerLeft | kUpperRight | kLowerRight | kDiagUpperLeft |
                   kDiagUpperRight;
        case 'N':
            return kUpperLeft | kLowerLeft | kUpperRight | kLowerRight | kDiagUpperLeft |
                   kDiagLowerRight;
        case 'O':
            return kRing;
        case 'P':
            return kTop | kUpperRight | kUpperLeft | kLowerLeft | kMid;
        case 'R':
            return kTop | kUpperRight | kUpperLeft | kLowerLeft | kMid | kDiagLowerRight;
        case 'S':
            return kTop | kUpperLeft | kMid | kLowerRight | kBottom;
        case 'T':
            return kTop | kCentreUp | kCentreDown;
        case 'U':
            return kUpperLeft | kLowerLeft | kBottom | kLowerRight | kUpperRight;
        case 'V':
            return kUpperLeft | kLowerLeft | kDiagLowerLeft | kDiagUpperRight;
        case 'Y':
            return kDiagUpperLeft | kDiagUpperRight | kCentreDown;
        default:
            return 0;
    }
}

void SegmentGlyphs::Paint(QImage& image, const std::vector<Segment>& segments, std::uint16_t lit,
                          int glowRadius) {
    // The lit segments, or the unlit ones, filled in one colour.
    const auto fill = [&segments, lit](QImage& target, bool litOnes, const QColor& colour) {
        CanvasPainter p(target);
        p.setBrush(colour);
        for (const auto& s : segments) {
            if (((s.bit & lit) != 0) == litOnes) {
                p.drawPath(s.shape);
            }
        }
    };
    QImage layer = Glow::NewLayer(image.width(), image.height());
    fill(layer, true, console::kSegmentGlow);
    fill(image, false, console::kSegmentUnlit);
    Glow::AddBlurred(image, layer, glowRadius, 0.42);
    fill(image, true, console::kSegmentLit);
}

}  // namespace orb::art
