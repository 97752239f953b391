#include <cmath>

#include "kit/FloatCanvas.h"
#include "kit/PaintKit.h"
#include "scenes/ScenePainters.h"

namespace orb::art {

namespace {

// Angular noise that wraps around the circle: noise sampled on a ring.
double AroundNoise(double angle, double frequency, std::uint32_t seed, int octaves) {
    return Fbm(frequency * std::cos(angle) + 50.0, frequency * std::sin(angle) + 50.0, octaves,
               seed);
}

}  // namespace

// The warp tunnel: streaks of light rushing past toward the vanishing point
// at (256, 160). The viewer magnifies this picture about that point from 1x
// to 2x and then jumps back, over and over; everything here depends on the
// logarithm of the distance with a period of one doubling, so the picture at
// 2x matches the one at 1x and the jump is invisible: the streaks seem to fly
// outward forever.
QImage PaintScene99() {
    FloatCanvas canvas;
    const double cx = 256.0;
    const double cy = 160.0;
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            const double dx = x + 0.5 - cx;
            const double dy = y + 0.5 - cy;
            const double r = std::sqrt(dx * dx + dy * dy) + 1e-6;
            const double angle = std::atan2(dy, dx);
            // Position along the tunnel in doublings of the distance.
            const double depth = std::log2(r);
            // Streak lanes: thin bright rays at fixed angles.
            const double lanes = AroundNoise(angle, 24.0, 9901u, 3);
            const double fine = AroundNoise(angle, 70.0, 9902u, 2);
            const double ray = std::pow(SmoothStep(0.45, 0.9, lanes), 2.0) +
                               0.5 * std::pow(SmoothStep(0.55, 0.95, fine), 3.0);
            // Dashes along each ray: each lane gets its own phase, and the
            // pattern repeats exactly four times per doubling.
            const double phase = AroundNoise(angle, 9.0, 9903u, 2) * 6.0;
            const double along = depth * 4.0 + phase;
            const double t = along - std::floor(along);
            const double dash =
                std::pow(SmoothStep(0.0, 0.55, t) * (1.0 - SmoothStep(0.6, 1.0, t)), 1.5);
            // Colour drifts around the tunnel and along it, blue to violet
            // with cyan and a little magenta.
            const double hueA = AroundNoise(angle, 3.0, 9904u, 2);
            const double hueB = 0.5 + 0.5 * std::sin(2.0 * kPi * depth + 6.0 * hueA);
            const QColor base = Mix(QColor(60, 110, 255), QColor(150, 70, 255), hueB);
            const QColor streak = Mix(QColor(120, 235, 255), QColor(255, 140, 230), hueA * hueA);
            // A faint cloudy wall behind the rays keeps the tunnel from being
            // flat black between them.
            const double wall = AroundNoise(angle, 6.0, 9905u, 4) *
                                (0.6 + 0.4 * std::sin(2.0 * kPi * (depth * 2.0 + lanes)));
            const double w = 0.10 + 0.22 * wall;
            const double s = ray * (0.35 + 0.9 * dash);
            FloatCanvas::Pixel& p = canvas.At(x, y);
            p[0] = static_cast<float>(base.redF() * w + streak.redF() * s);
            p[1] = static_cast<float>(base.greenF() * w + streak.greenF() * s);
            p[2] = static_cast<float>(base.blueF() * w + streak.blueF() * s);
        }
    }
    // The light at the end of the tunnel. It is small enough that at 2x it
    // stays a bright point, not a disc.
    canvas.AddGlow(cx, cy, 3.5, QColor(255, 255, 255), 1.6, 1.2);
    canvas.AddGlow(cx, cy, 14.0, QColor(170, 200, 255), 0.3, 1.0);
    return canvas.ToImage(1.0, 0.35);
}

}  // namespace orb::art
