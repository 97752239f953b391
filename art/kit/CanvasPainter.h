// Starting a QPainter on a scene canvas the same way everywhere.
#pragma once

#include <QImage>
#include <QPainter>

namespace orb::art {

// Begins painting on `image` with antialiasing and smooth image scaling on
// and no outline pen, so shapes are filled only unless a pen is set.
void BeginPainter(QPainter& p, QImage& image);

}  // namespace orb::art
