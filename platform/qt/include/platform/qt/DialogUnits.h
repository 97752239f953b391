// Dialog templates are laid out in dialog units of an 8-point sans font. The
// viewer's and the installer's dialogs share these units.
#pragma once

#include <QFont>
#include <QRect>
#include <cmath>

namespace platform {

inline int DluX(int units) {
    return static_cast<int>(std::lround(units * 1.5));
}
inline int DluY(int units) {
    return static_cast<int>(std::lround(units * 1.625));
}
inline QRect DluRect(int x, int y, int width, int height) {
    return QRect(DluX(x), DluY(y), DluX(width), DluY(height));
}
// The dialog font: fontconfig gives a metric-compatible sans for this face.
inline QFont DialogFont() {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    return font;
}

}  // namespace platform
