#include "bitmaps/ButtonPainter.h"

#include <QFontMetricsF>
#include <QPainter>

#include "bitmaps/ConsoleStyle.h"
#include "bitmaps/Glow.h"

namespace orb::art {

QImage ButtonPainter::Blank() {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // Bezel: a dark frame with a lit lower edge, as if set into the panel.
    const QRectF outer(0.5, 0.5, kWidth - 1.0, kHeight - 1.0);
    QLinearGradient rim(0, 0, 0, kHeight);
    rim.setColorAt(0.0, QColor(10, 11, 14));
    rim.setColorAt(1.0, QColor(92, 98, 110));
    p.setPen(Qt::NoPen);
    p.setBrush(rim);
    p.drawRoundedRect(outer, 9, 9);
    p.setBrush(console::kBezelDark);
    p.drawRoundedRect(outer.adjusted(2, 2, -2, -2), 7.5, 7.5);

    // The key face: brushed steel, lighter at the top edge.
    const QRectF face = outer.adjusted(5, 5, -5, -5);
    QLinearGradient steel(0, face.top(), 0, face.bottom());
    steel.setColorAt(0.0, console::kFaceTop);
    steel.setColorAt(0.45, QColor(48, 53, 62));
    steel.setColorAt(1.0, console::kFaceBottom);
    p.setBrush(steel);
    p.drawRoundedRect(face, 6, 6);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(console::kBezelLight, 1.0));
    p.drawLine(QPointF(face.left() + 6, face.top() + 0.5),
               QPointF(face.right() - 6, face.top() + 0.5));
    p.setPen(QPen(QColor(12, 13, 16), 1.0));
    p.drawLine(QPointF(face.left() + 6, face.bottom() - 0.5),
               QPointF(face.right() - 6, face.bottom() - 0.5));
    return image;
}

void ButtonPainter::Legend(QImage& image, const QString& text, const QRectF& box, int pixelSize,
                           bool lit) {
    const QFont font = console::SansFont(pixelSize, true);
    if (lit) {
        QImage layer = Glow::NewLayer(image.width(), image.height());
        {
            QPainter g(&layer);
            g.setRenderHint(QPainter::TextAntialiasing);
            g.setFont(font);
            g.setPen(console::kLegendGlow);
            g.drawText(box, Qt::AlignCenter, text);
        }
        Glow::AddBlurred(image, layer, 2, 0.9);
    }
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(font);
    if (!lit) {
        // Engraved: a dark cut with a faint lit lower lip.
        p.setPen(QColor(20, 22, 26));
        p.drawText(box.translated(0, -1), Qt::AlignCenter, text);
    }
    p.setPen(lit ? console::kLegendLit : console::kLegendDim);
    p.drawText(box, Qt::AlignCenter, text);
}

void ButtonPainter::Shape(QImage& image, const QPainterPath& shape, bool lit) {
    if (lit) {
        QImage layer = Glow::NewLayer(image.width(), image.height());
        {
            QPainter g(&layer);
            g.setRenderHint(QPainter::Antialiasing);
            g.setPen(Qt::NoPen);
            g.setBrush(console::kLegendGlow);
            g.drawPath(shape);
        }
        Glow::AddBlurred(image, layer, 2, 0.9);
    }
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(lit ? console::kLegendLit : console::kLegendDim);
    p.drawPath(shape);
}

QImage ButtonPainter::Text(const QString& text, int maxPixelSize) {
    QImage image = Blank();
    // The largest size up to maxPixelSize that leaves a margin on the key.
    int size = maxPixelSize;
    while (size > 8 &&
           QFontMetricsF(console::SansFont(size, true)).horizontalAdvance(text) > kWidth - 28) {
        --size;
    }
    Legend(image, text, QRectF(0, 0, kWidth, kHeight), size, true);
    return image;
}

QImage ButtonPainter::Arrow(bool pointsLeft) {
    QImage image = Blank();
    // A bold arrow: a shaft and a wide head, pointing along the time line.
    const double cy = kHeight / 2.0;
    const double tipX = 46.0;
    const double headBack = 72.0;
    const double tailX = 114.0;
    QPainterPath arrow;
    arrow.moveTo(tipX, cy);
    arrow.lineTo(headBack, cy - 15);
    arrow.lineTo(headBack, cy - 6);
    arrow.lineTo(tailX, cy - 6);
    arrow.lineTo(tailX, cy + 6);
    arrow.lineTo(headBack, cy + 6);
    arrow.lineTo(headBack, cy + 15);
    arrow.closeSubpath();
    if (!pointsLeft) {
        arrow = QTransform(-1, 0, 0, 1, kWidth, 0).map(arrow);
    }
    Shape(image, arrow, true);
    return image;
}

QImage ButtonPainter::Zoom(bool inLit, bool outLit) {
    QImage image = Blank();
    {
        // The groove between the halves lies on the column that belongs to
        // neither half.
        QPainter p(&image);
        p.fillRect(QRect(80, 28, 1, 24), QColor(14, 15, 18));
        p.fillRect(QRect(81, 28, 1, 24), QColor(86, 92, 104));
    }
    Legend(image, QStringLiteral("ZOOM"), QRectF(0, 6, kWidth, 20), 15, true);
    Legend(image, QStringLiteral("IN"), QRectF(0, 29, 80, 22), 17, inLit);
    Legend(image, QStringLiteral("OUT"), QRectF(81, 29, 79, 22), 17, outLit);
    return image;
}

}  // namespace orb::art
