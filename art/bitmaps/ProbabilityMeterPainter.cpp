#include "bitmaps/ProbabilityMeterPainter.h"

#include <QPainter>

#include "bitmaps/ConsoleStyle.h"

namespace orb::art {

const std::array<QColor, 7>& ProbabilityMeterPainter::Shades() {
    static const std::array<QColor, 7> shades = {
        QColor(88, 88, 0),   QColor(104, 104, 0), QColor(128, 128, 0), QColor(160, 160, 0),
        QColor(192, 192, 0), QColor(224, 224, 0), QColor(255, 255, 0),
    };
    return shades;
}

QImage ProbabilityMeterPainter::Paint() {
    const QColor purple(80, 0, 80);
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(purple);

    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(console::SansFont(14, true));
    p.setPen(QColor(255, 255, 0));
    p.drawText(QRectF(0, 2, kWidth, 18), Qt::AlignCenter,
               QStringLiteral("EVENT PROBABILITY METER"));

    // The bar: seven flat steps, each exactly one marker shade, in a dark frame.
    const int left = 8;
    const int right = kWidth - 8;  // exclusive
    const int top = 25;
    const int height = 22;
    p.fillRect(QRect(left - 2, top - 2, right - left + 4, height + 4), QColor(20, 0, 24));
    const auto& shades = Shades();
    for (int i = 0; i < 7; ++i) {
        const int x0 = left + (right - left) * i / 7;
        const int x1 = left + (right - left) * (i + 1) / 7;
        p.fillRect(QRect(x0, top, x1 - x0, height), shades[static_cast<std::size_t>(i)]);
        if (i > 0) {
            p.fillRect(QRect(x0, top, 1, height), QColor(20, 0, 24));
        }
    }

    // Ticks under the bar where the labels point.
    p.setFont(console::SansFont(10, true));
    p.setPen(QColor(255, 255, 255));
    struct Label {
        const char* text = nullptr;
        double at = 0.0;  // fraction along the bar
        Qt::Alignment align;
    };
    const Label labels[] = {
        {"Impossible", 0.0, Qt::AlignLeft},
        {"UnProbable", 0.37, Qt::AlignHCenter},
        {"Probable", 0.67, Qt::AlignHCenter},
        {"Certain", 1.0, Qt::AlignRight},
    };
    for (const auto& label : labels) {
        const double x = left + (right - left) * label.at;
        p.fillRect(QRectF(std::min(x, right - 1.0), top + height + 2, 1, 4), QColor(235, 220, 255));
        QRectF box(x - 50, top + height + 6, 100, 16);
        if (label.align == Qt::AlignLeft) {
            box.moveLeft(x);
        } else if (label.align == Qt::AlignRight) {
            box.moveRight(x);
        }
        p.drawText(box, static_cast<int>(label.align | Qt::AlignVCenter),
                   QString::fromLatin1(label.text));
    }
    // Rows past the shown part are left as plain panel.
    return image;
}

}  // namespace orb::art
