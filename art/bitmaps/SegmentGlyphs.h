// Segment shapes of a slanted LED character cell: the seven segments of a
// digit and the fourteen of an alphanumeric cell, plus which are lit for each
// digit and letter. Digits and month names share one geometry so the date row
// reads as a single display.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QRectF>
#include <cstdint>
#include <vector>

namespace orb::art {

struct SegmentCell {
    QRectF box;              // centre lines of the outer segments
    double thickness = 0.0;  // stroke width of a segment
    double gap = 0.0;        // clearance where two segments meet
    double slant = 0.0;      // how far the top leans right of the bottom, in pixels
};

// Bits of the fourteen-segment cell. The seven-segment cell uses the first
// six and both middle halves together as its middle bar.
enum SegmentBit : std::uint16_t {
    kTop = 1u << 0,
    kUpperRight = 1u << 1,
    kLowerRight = 1u << 2,
    kBottom = 1u << 3,
    kLowerLeft = 1u << 4,
    kUpperLeft = 1u << 5,
    kMiddleLeft = 1u << 6,
    kMiddleRight = 1u << 7,
    kDiagUpperLeft = 1u << 8,
    kCentreUp = 1u << 9,
    kDiagUpperRight = 1u << 10,
    kDiagLowerLeft = 1u << 11,
    kCentreDown = 1u << 12,
    kDiagLowerRight = 1u << 13,
};

struct Segment {
    std::uint16_t bit;
    QPainterPath shape;
};

class SegmentGlyphs {
  public:
    static std::vector<Segment> SevenSegments(const SegmentCell& cell);
    static std::vector<Segment> FourteenSegments(const SegmentCell& cell);
    static std::uint16_t DigitMask(int digit);
    static std::uint16_t LetterMask(char letter);

    // Paints every segment onto the image: the lit ones bright with a glow,
    // the others faintly, as an unpowered segment behind its filter.
    static void Paint(QImage& image, const std::vector<Segment>& segments, std::uint16_t lit,
                      int glowRadius);
};

}  // namespace orb::art
