#include "display/Keys.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "display/ControlLayout.h"
#include "display/Controls.h"
#include "display/SpeedScale.h"
#include "display/TimeModel.h"
#include "display/ViewHost.h"
#include "display/ViewState.h"

namespace orb {

namespace {

struct Point {
    int x, y;
};

// A column of the lever strip, and a place that holds no control.
constexpr int kLeverColumn = kStripEnd / 2;
constexpr Point kElsewhere{400, 200};

constexpr Point Middle(const Area& a) {
    return {(a.left + a.right) / 2, (a.top + a.bottom) / 2};
}

// Where a click puts the lever at `place` (see LeverPlace).
Point LeverPoint(int place) {
    if (place > 0) {
        return {kLeverColumn, kStopTop - place};
    }
    if (place < 0) {
        return {kLeverColumn, kStopBottom - place};
    }
    return {kLeverColumn, (kStopTop + kStopBottom) / 2};
}

// The places of the scale's labelled marks on both halves, and the band.
std::vector<int> MarkPlaces() {
    std::vector<int> places{0};
    for (const SpeedMark& mark : kSpeedMarks) {
        if (mark.label != nullptr) {
            places.push_back(MarkRow(mark));
            places.push_back(-MarkRow(mark));
        }
    }
    std::sort(places.begin(), places.end());
    return places;
}

// The next mark above (`up`) or below the lever's place, if there is one.
std::optional<int> NextMark(int place, bool up) {
    const std::vector<int> places = MarkPlaces();
    if (up) {
        const auto above = std::upper_bound(places.begin(), places.end(), place);
        return above == places.end() ? std::nullopt : std::optional<int>(*above);
    }
    const auto below = std::lower_bound(places.begin(), places.end(), place);
    return below == places.begin() ? std::nullopt : std::optional<int>(*(below - 1));
}

// The lever one row up or down, held to the strip.
std::optional<int> NextRow(int place, int by) {
    const int next = std::clamp(place + by, -kLeverTravel, kLeverTravel);
    return next == place ? std::nullopt : std::optional<int>(next);
}

// The click a key stands for on the travel screen.
std::optional<Point> TravelClick(const ViewState& s, ViewKey key) {
    const int place = LeverPlace(s.time.m_speed);
    std::optional<int> lever;
    switch (key) {
        case ViewKey::kUp:
            lever = NextMark(place, true);
            break;
        case ViewKey::kDown:
            lever = NextMark(place, false);
            break;
        case ViewKey::kShiftUp:
            lever = NextRow(place, +1);
            break;
        case ViewKey::kShiftDown:
            lever = NextRow(place, -1);
            break;
        case ViewKey::kSpace:
            lever = 0;
            break;
        case ViewKey::kT:
            return Middle(kMiddleButton);
        case ViewKey::kS:
            return Middle(kLeftButton);
        default:
            return std::nullopt;
    }
    return lever ? std::optional<Point>(LeverPoint(*lever)) : std::nullopt;
}

// The click a key stands for on the browsing screen.
std::optional<Point> BrowsingClick(ViewKey key) {
    switch (key) {
        case ViewKey::kUp:
        case ViewKey::kPageUp:
            return Middle(kUpperScrollBar);
        case ViewKey::kDown:
        case ViewKey::kPageDown:
            return Middle(kLowerScrollBar);
        case ViewKey::kLeft:
            return Middle(kLeftButton);
        case ViewKey::kRight:
            return Middle(kMiddleButton);
        case ViewKey::kPlus:
            return Point{(kRightButton.left + kZoomDivide) / 2, Middle(kRightButton).y};
        case ViewKey::kMinus:
            return Point{(kZoomDivide + kRightButton.right) / 2, Middle(kRightButton).y};
        case ViewKey::kEscape:
        case ViewKey::kT:
            return kElsewhere;
        default:
            return std::nullopt;
    }
}

}  // namespace

int LeverPlace(double speed) {
    if (!(std::fabs(speed) > 0.0)) {
        return 0;
    }
    const double distance = std::round(LeverDistance(std::fabs(speed)));
    const int rows = static_cast<int>(std::clamp(distance, 1.0, double{kLeverTravel}));
    return speed > 0.0 ? rows : -rows;
}

bool HandleKey(ViewState& s, ViewHost& host, ViewKey key) {
    if (key == ViewKey::kHome) {
        ReturnToPresent(s, host);
        return true;
    }
    const bool browsing = s.time.m_browseMode >= kBrowsingScreenFrom;
    const std::optional<Point> click = browsing ? BrowsingClick(key) : TravelClick(s, key);
    if (!click) {
        return false;
    }
    HandleClick(s, host, click->x, click->y);
    return true;
}

void ReturnToPresent(ViewState& s, ViewHost& host) {
    TimeState& t = s.time;
    t.m_travelSeconds = kPresentSeconds;
    DeriveMoment(t);
    // Then as a click elsewhere: travel stops, and browsing ends.
    HandleClick(s, host, kElsewhere.x, kElsewhere.y);
}

}  // namespace orb
