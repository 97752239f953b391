#include "kit/PixelBlend.h"

#include <cmath>

#include "kit/PaintKit.h"

namespace orb::art {

QRgb BlendRgb(QRgb under, const QColor& over, double amount) {
    const double a = Clamp01(amount);
    const auto mix = [a](int u, int o) { return static_cast<int>(std::lround(u + (o - u) * a)); };
    return qRgb(mix(qRed(under), over.red()), mix(qGreen(under), over.green()),
                mix(qBlue(under), over.blue()));
}

}  // namespace orb::art
