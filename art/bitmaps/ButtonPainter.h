// The 160 x 60 console buttons: a steel key in a dark bezel with glowing
// lettering. Faces: SET DESTINATION, TIMELINE, the step arrows and the three
// states of the ZOOM key (IN is the left half, OUT the right half).
#pragma once

#include <QImage>
#include <QPainterPath>
#include <QRectF>
#include <QString>

namespace orb::art {

class ButtonPainter {
  public:
    static constexpr int kWidth = 160;
    static constexpr int kHeight = 60;

    // The empty key: bezel and face.
    static QImage Blank();
    static QImage Text(const QString& text, int maxPixelSize);
    static QImage Arrow(bool pointsLeft);
    static QImage Zoom(bool inLit, bool outLit);

    // Draws lettering or shapes onto a key, lit (with glow) or dimmed.
    static void Legend(QImage& image, const QString& text, const QRectF& box, int pixelSize,
                       bool lit);
    static void Shape(QImage& image, const QPainterPath& shape, bool lit);
};

}  // namespace orb::art
