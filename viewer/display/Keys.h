// What a key does in the main window. Each key stands for a click on the
// screen that shows (on the lever, a button, a scroll bar or elsewhere) and
// does exactly what that click does; Home returns to the present.
#pragma once

#include <array>

#include "display/ViewFwd.h"

namespace orb {

enum class ViewKey {
    kUp,
    kDown,
    kShiftUp,
    kShiftDown,
    kSpace,
    kLeft,
    kRight,
    kPlus,
    kMinus,
    kPageUp,
    kPageDown,
    kEscape,
    kT,
    kS,
    kHome,
};

// Acts on `key` as the screen that shows has it; false when the key means
// nothing there (or the lever can go no further that way).
bool HandleKey(ViewState& s, ViewHost& host, ViewKey key);

// The real clock's moment (as of the last snapshot), travel stopped, on the
// travel screen.
void ReturnToPresent(ViewState& s, ViewHost& host);

// The lever's place for `speed`: its distance in pixels from the stop band,
// positive on the forward half, negative on the backward half, 0 on the band.
int LeverPlace(double speed);

// One line of the keys' help: the key and what it does on each screen ("" for
// nothing).
struct KeyHelp {
    const char* key;
    const char* travel;
    const char* browsing;
};

inline constexpr std::array<KeyHelp, 12> kKeyHelp = {{
    {"Up / Down", "move the lever to the next mark of the scale", "page up / down the events"},
    {"Shift+Up / Shift+Down", "move the lever one row", ""},
    {"Space", "STOP", ""},
    {"Left / Right", "", "step back / forward"},
    {"+ / -", "", "zoom in / out"},
    {"Page Up / Page Down", "", "page up / down the events"},
    {"Escape", "", "back to travel"},
    {"T", "TIMELINE", "back to travel"},
    {"S", "Set Destination", ""},
    {"Home", "return to the present", "return to the present"},
    {"C", "Clock on or off", "Clock on or off"},
    {"D", "Day/Night Effects on or off", "Day/Night Effects on or off"},
}};

}  // namespace orb
