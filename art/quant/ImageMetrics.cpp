#include "quant/ImageMetrics.h"

#include <cmath>
#include <limits>

namespace orb::art {

double ImageMetrics::Psnr(const QImage& first, const QImage& second) {
    const QImage a = first.convertToFormat(QImage::Format_RGB32);
    const QImage b = second.convertToFormat(QImage::Format_RGB32);
    if (a.size() != b.size() || a.isNull()) {
        return 0.0;
    }
    double sum = 0.0;
    for (int y = 0; y < a.height(); ++y) {
        const auto* la = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* lb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            const double dr = qRed(la[x]) - qRed(lb[x]);
            const double dg = qGreen(la[x]) - qGreen(lb[x]);
            const double db = qBlue(la[x]) - qBlue(lb[x]);
            sum += dr * dr + dg * dg + db * db;
        }
    }
    if (sum == 0.0) {
        return std::numeric_limits<double>::infinity();
    }
    const double mse = sum / (3.0 * a.width() * a.height());
    return 10.0 * std::log10(255.0 * 255.0 / mse);
}

}  // namespace orb::art
