// A full-colour canvas in floating point, for light that adds up: stars,
// glows, nebulae, fire. Paint into it, then convert to a QImage, optionally
// with a soft shoulder so bright light saturates gently instead of clipping.
#pragma once

#include <QColor>
#include <QImage>
#include <array>
#include <vector>

namespace orb::art {

class FloatCanvas {
  public:
    using Pixel = std::array<float, 3>;  // red, green, blue; 1 is full

    explicit FloatCanvas(int width = 512, int height = 320);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    Pixel& At(int x, int y) { return m_pixels[static_cast<std::size_t>(y * m_width + x)]; }
    const Pixel& At(int x, int y) const {
        return m_pixels[static_cast<std::size_t>(y * m_width + x)];
    }

    // Adds colour to one pixel, ignoring positions outside the canvas.
    void Add(int x, int y, double r, double g, double b);
    // Adds colour at a fractional position, shared over four pixels.
    void AddSubpixel(double x, double y, double r, double g, double b);
    // A round glow: intensity / (1 + (d / radius)^2)^power, cut off where it
    // becomes negligible.
    void AddGlow(double cx, double cy, double radius, const QColor& color, double intensity,
                 double power = 1.5);
    // A star: a bright point with a faint halo in proportion to its brightness.
    void AddStar(double x, double y, double brightness, const QColor& color);
    // Multiplies every pixel by a colour (for dust and haze).
    void Scale(int x, int y, double r, double g, double b);

    // softKnee > 0 compresses values above 1 - softKnee smoothly into [.., 1].
    QImage ToImage(double exposure = 1.0, double softKnee = 0.0) const;
    // Starts from an existing picture.
    static FloatCanvas FromImage(const QImage& source);

  private:
    int m_width;
    int m_height;
    std::vector<Pixel> m_pixels;
};

// A colour from 0..1 channels, clamped.
QRgb RgbF(double r, double g, double b);

}  // namespace orb::art
