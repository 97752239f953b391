#include "bitmaps/SpeedScalePainter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "bitmaps/ConsoleStyle.h"
#include "display/SpeedScale.h"

namespace orb::art {
namespace {

constexpr int kBarLeft = 3;
constexpr int kTickEnd = 29;
constexpr int kLabelLeft = 31;

double BarWidth(double d) {
    return 5.0 + 15.0 * d / 150.0;
}

QColor Rainbow(double d) {
    // Warm near the band, through green and blue to violet at top speed.
    const double hue = 42.0 + 238.0 * std::min(1.0, d / 150.0);
    return QColor::fromHsvF(static_cast<float>(hue / 360.0), 0.95f, 1.0f);
}

int RowFor(int offset, bool forward) {
    return forward ? SpeedScalePainter::kBandTop - offset : SpeedScalePainter::kBandBottom + offset;
}

void DrawRainbow(QImage& image) {
    for (int row = 0; row < SpeedScalePainter::kHeight; ++row) {
        double d = 0;
        if (row < SpeedScalePainter::kBandTop) {
            d = SpeedScalePainter::kBandTop - row;
        } else if (row > SpeedScalePainter::kBandBottom) {
            d = row - SpeedScalePainter::kBandBottom;
        } else {
            continue;
        }
        const QColor c = Rainbow(d);
        const double width = BarWidth(d);
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(row));
        for (int x = kBarLeft; x < kBarLeft + static_cast<int>(std::ceil(width)); ++x) {
            // Shaded across like a rounded glass tube; the last column fades
            // with the wedge's fractional edge.
            const double u = (x - kBarLeft + 0.5) / width;
            const double shade = 0.55 + 0.45 * std::sin(3.14159 * std::min(1.0, u * 0.9 + 0.1));
            const double cover = std::min(1.0, width - (x - kBarLeft));
            const double k = shade * cover;
            line[x] = qRgb(static_cast<int>(c.red() * k), static_cast<int>(c.green() * k),
                           static_cast<int>(c.blue() * k));
        }
    }
}

void DrawStopBand(QImage& image) {
    QPainter p(&image);
    const int top = SpeedScalePainter::kBandTop;
    const int height = SpeedScalePainter::kBandBottom - top + 1;
    QLinearGradient fill(0, top, 0, top + height);
    fill.setColorAt(0.0, QColor(235, 40, 30));
    fill.setColorAt(0.5, QColor(185, 8, 8));
    fill.setColorAt(1.0, QColor(235, 40, 30));
    p.fillRect(QRect(0, top, SpeedScalePainter::kWidth, height), fill);
    // A lighter rim marks the band's exact edges.
    p.fillRect(QRect(0, top, SpeedScalePainter::kWidth, 1), QColor(255, 90, 80));
    p.fillRect(QRect(0, top + height - 1, SpeedScalePainter::kWidth, 1), QColor(255, 90, 80));
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(console::SansFont(22, true));
    p.setPen(QColor(90, 0, 0));
    p.drawText(QRectF(1, top + 1, SpeedScalePainter::kWidth, height), Qt::AlignCenter,
               QStringLiteral("STOP"));
    p.setPen(Qt::white);
    p.drawText(QRectF(0, top, SpeedScalePainter::kWidth, height), Qt::AlignCenter,
               QStringLiteral("STOP"));
}

void DrawLabel(QPainter& p, const QString& text, double centreY) {
    const QFont font = console::SansFont(9, true);
    p.setFont(font);
    const double room = SpeedScalePainter::kWidth - kLabelLeft - 1;
    const double width = QFontMetricsF(font).horizontalAdvance(text);
    const double squeeze = std::min(1.0, room / width);
    p.save();
    p.translate(kLabelLeft, centreY);
    p.scale(squeeze, 1.0);
    p.drawText(QRectF(0, -6, width + 2, 12), Qt::AlignLeft | Qt::AlignVCenter, text);
    p.restore();
}

void DrawDirection(QPainter& p, bool forward) {
    const double d = 11.0;
    const double y = forward ? SpeedScalePainter::kBandTop - d : SpeedScalePainter::kBandBottom + d;
    const double tip = forward ? -4.0 : 4.0;
    QPainterPath arrow;
    arrow.moveTo(kLabelLeft + 4.0, y + tip);
    arrow.lineTo(kLabelLeft + 8.5, y - tip);
    arrow.lineTo(kLabelLeft - 0.5, y - tip);
    arrow.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255));
    p.drawPath(arrow);
    p.setPen(QColor(255, 255, 255));
    p.setFont(console::SansFont(9, true));
    p.drawText(QRectF(kLabelLeft + 12, y - 6, 40, 12), Qt::AlignLeft | Qt::AlignVCenter,
               forward ? QStringLiteral("FWD") : QStringLiteral("BACK"));
}

}  // namespace

QImage SpeedScalePainter::Paint() {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::black);
    DrawRainbow(image);
    DrawStopBand(image);

    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing);
    for (bool forward : {true, false}) {
        for (const SpeedMark& mark : kSpeedMarks) {
            const int row = RowFor(MarkRow(mark), forward);
            const bool major = mark.label != nullptr;
            // Ticks are whole rows so the mark and the row it names agree.
            p.fillRect(QRect(kBarLeft, row, (major ? kTickEnd : kTickEnd - 4) - kBarLeft + 1, 1),
                       major ? QColor(255, 255, 255) : QColor(200, 200, 200));
            if (major) {
                p.setPen(QColor(235, 235, 235));
                DrawLabel(p, QString::fromLatin1(mark.label), row + 0.5);
            }
        }
        p.setRenderHint(QPainter::Antialiasing);
        DrawDirection(p, forward);
        p.setRenderHint(QPainter::Antialiasing, false);
    }
    return image;
}

}  // namespace orb::art
