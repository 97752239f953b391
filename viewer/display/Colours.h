// The colours the screens are drawn in.
#pragma once

#include "platform/Colour.h"

namespace orb {

inline constexpr platform::ColorRef kBlack = platform::Rgb(0, 0, 0);
inline constexpr platform::ColorRef kPanelPurple = platform::Rgb(80, 0, 80);
inline constexpr platform::ColorRef kColumnBlue = platform::Rgb(0, 0, 80);
inline constexpr platform::ColorRef kLabelYellow = platform::Rgb(255, 255, 0);
inline constexpr platform::ColorRef kMarkerRed = platform::Rgb(255, 0, 0);
inline constexpr platform::ColorRef kWhite = platform::Rgb(255, 255, 255);
inline constexpr platform::ColorRef kBarLit = platform::Rgb(128, 64, 255);
inline constexpr platform::ColorRef kBarDark = platform::Rgb(0, 0, 64);

// Event texts by their probability marker: the dimmer, the less probable.
inline constexpr platform::ColorRef kMarkedShades[] = {
    platform::Rgb(224, 224, 0),  // !
    platform::Rgb(192, 192, 0),  // @
    platform::Rgb(160, 160, 0),  // #
    platform::Rgb(128, 128, 0),  // $
    platform::Rgb(104, 104, 0),  // %
    platform::Rgb(88, 88, 0),    // &
};
inline constexpr char kMarkers[] = "!@#$%&";

}  // namespace orb
