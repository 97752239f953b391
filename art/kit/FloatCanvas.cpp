#include "kit/FloatCanvas.h"

#include <algorithm>
#include <cmath>

namespace orb::art {

FloatCanvas::FloatCanvas(int width, int height)
    : m_width(width),
      m_height(height),
      m_pixels(static_cast<std::size_t>(width * height), Pixel{0.0f, 0.0f, 0.0f}) {}

void FloatCanvas::Add(int x, int y, double r, double g, double b) {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) {
        return;
    }
    Pixel& p = At(x, y);
    p[0] += static_cast<float>(r);
    p[1] += static_cast<float>(g);
    p[2] += static_cast<float>(b);
}

void FloatCanvas::AddSubpixel(double x, double y, double r, double g, double b) {
    const double fx = std::floor(x - 0.5);
    const double fy = std::floor(y - 0.5);
    const double tx = x - 0.5 - fx;
    const double ty = y - 0.5 - fy;
    const int ix = static_cast<int>(fx);
    const int iy = static_cast<int>(fy);
    const double w[4] = {(1 - tx) * (1 - ty), tx * (1 - ty), (1 - tx) * ty, tx * ty};
    Add(ix, iy, r * w[0], g * w[0], b * w[0]);
    Add(ix + 1, iy, r * w[1], g * w[1], b * w[1]);
    Add(ix, iy + 1, r * w[2], g * w[2], b * w[2]);
    Add(ix + 1, iy + 1, r * w[3], g * w[3], b * w[3]);
}

void FloatCanvas::AddGlow(double cx, double cy, double radius, const QColor& color,
                          double intensity, double power) {
    // Reach: where the glow falls below 1/512 of its peak.
    const double reach = radius * std::sqrt(std::pow(512.0, 1.0 / power) - 1.0);
    const int x0 = std::max(0, static_cast<int>(cx - reach));
    const int x1 = std::min(m_width - 1, static_cast<int>(cx + reach) + 1);
    const int y0 = std::max(0, static_cast<int>(cy - reach));
    const int y1 = std::min(m_height - 1, static_cast<int>(cy + reach) + 1);
    const double r = color.redF() * intensity;
    const double g = color.greenF() * intensity;
    const double b = color.blueF() * intensity;
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            const double dx = (x + 0.5 - cx) / radius;
            const double dy = (y + 0.5 - cy) / radius;
            const double f = std::pow(1.0 + dx * dx + dy * dy, -power);
            Add(x, y, r * f, g * f, b * f);
        }
    }
}

void FloatCanvas::AddStar(double x, double y, double brightness, const QColor& color) {
    AddSubpixel(x, y, color.redF() * brightness, color.greenF() * brightness,
                color.blueF() * brightness);
    if (brightness > 0.6) {
        AddGlow(x, y, 0.8 + brightness * 0.6, color, brightness * 0.25, 1.6);
    }
}

void FloatCanvas::Scale(int x, int y, double r, double g, double b) {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) {
        return;
    }
    Pixel& p = At(x, y);
    p[0] = static_cast<float>(p[0] * r);
    p[1] = static_cast<float>(p[1] * g);
    p[2] = static_cast<float>(p[2] * b);
}

namespace {

double Shoulder(double v, double knee) {
    const double start = 1.0 - knee;
    if (knee <= 0.0 || v <= start) {
        return v;
    }
    // Exponential approach to 1 with matching slope at the knee.
    return start + knee * (1.0 - std::exp(-(v - start) / knee));
}

int ToByte(double v) {
    return std::clamp(static_cast<int>(std::lround(v * 255.0)), 0, 255);
}

}  // namespace

QImage FloatCanvas::ToImage(double exposure, double softKnee) const {
    QImage image(m_width, m_height, QImage::Format_RGB32);
    for (int y = 0; y < m_height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < m_width; ++x) {
            const Pixel& p = At(x, y);
            line[x] = qRgb(ToByte(Shoulder(p[0] * exposure, softKnee)),
                           ToByte(Shoulder(p[1] * exposure, softKnee)),
                           ToByte(Shoulder(p[2] * exposure, softKnee)));
        }
    }
    return image;
}

FloatCanvas FloatCanvas::FromImage(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    FloatCanvas canvas(image.width(), image.height());
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            canvas.At(x, y) = {static_cast<float>(qRed(line[x]) / 255.0),
                               static_cast<float>(qGreen(line[x]) / 255.0),
                               static_cast<float>(qBlue(line[x]) / 255.0)};
        }
    }
    return canvas;
}

QRgb RgbF(double r, double g, double b) {
    return qRgb(ToByte(r), ToByte(g), ToByte(b));
}

}  // namespace orb::art
