// A painter on a scene canvas, started the same way everywhere.
#pragma once

#include <QImage>
#include <QPainter>

namespace orb::art {

// Paints on `image` with antialiasing and smooth image scaling on and no
// outline pen, so shapes are filled only unless a pen is set. Painting ends
// when the painter goes out of scope: a stretch of painting that pixel work
// must follow is a block of its own.
class CanvasPainter : public QPainter {
  public:
    explicit CanvasPainter(QImage& image);
    ~CanvasPainter() = default;
    CanvasPainter(const CanvasPainter&) = delete;
    CanvasPainter& operator=(const CanvasPainter&) = delete;
};

}  // namespace orb::art
