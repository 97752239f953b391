// Where the controls of both screens lie in the view's client area: the
// speed lever's strip, the three buttons and the events list's scroll bars.
// Clicks are read against these, and keys click at them.
#pragma once

namespace orb {

// The lever strip: x below kStripEnd; the forward half above the stop band,
// the backward half below it, both ends of the band included in it.
inline constexpr int kStripEnd = 90;
inline constexpr int kStripTop = 60;
inline constexpr int kStopTop = 210;
inline constexpr int kStopBottom = 310;
inline constexpr int kStripBottom = 460;

// Where the events list starts a new list, scrolled to its top.
inline constexpr int kListTop = 20;

// A hit area, both ends inclusive.
struct Area {
    int left, top, right, bottom;
};

constexpr bool Contains(const Area& a, int x, int y) {
    return x >= a.left && x <= a.right && y >= a.top && y <= a.bottom;
}

inline constexpr Area kLeftButton{101, 460, 259, 518};
inline constexpr Area kMiddleButton{301, 460, 459, 518};
inline constexpr Area kRightButton{501, 460, 659, 518};
inline constexpr Area kUpperScrollBar{781, 1, 798, 224};
inline constexpr Area kLowerScrollBar{781, 226, 798, 449};

// Left of this column the right button zooms in, right of it out.
inline constexpr int kZoomDivide = 580;

}  // namespace orb
