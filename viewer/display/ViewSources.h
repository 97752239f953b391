// What the view takes from the system besides its window: the local time,
// fonts and bitmaps. The shell hands in the toolkit's; tests hand in fakes.
#pragma once

namespace platform {
class BitmapSource;
class Clock;
class FontSource;
}  // namespace platform

namespace orb {

struct ViewSources {
    const platform::Clock& clock;
    const platform::FontSource& fonts;
    const platform::BitmapSource& bitmaps;
};

}  // namespace orb
