// The viewer's single state record. The view object holds nothing itself:
// every handler reads and writes this record, which outlives the view. Its
// fonts come from the view's font source; the toolkit's must not outlive the
// application, so neither may the record.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "display/EventRecords.h"
#include "display/Int64Math.h"
#include "display/ListedEvent.h"
#include "display/TimeState.h"
#include "platform/Bitmap.h"
#include "platform/Colour.h"
#include "platform/Font.h"
#include "platform/MemoryDc.h"
#include "platform/PathResolver.h"

namespace platform {
class Dc;
class Framebuffer;
}  // namespace platform

namespace orb {

inline constexpr std::size_t kScenePixelsSize = std::size_t{512} * 320;
inline constexpr std::size_t kScenePaletteSize = 1024;
inline constexpr std::size_t kSceneInfoSize = 1064;  // bitmap header and 256 colours

struct ViewState {
    TimeState time;

    // Paths and data.
    std::string m_installDir;
    // The databank browsed: the installed one's first kEventsDataSize bytes,
    // zeros where the file ends sooner, or a whole file of one's own.
    std::vector<std::uint8_t> m_eventsData;
    std::string m_databankPath;  // the file of one's own; empty for the installed one

    // Drawing resources.
    platform::Dc* m_screenDC = nullptr;  // the whole screen; the window's, while the view lives
    std::unique_ptr<platform::MemoryDc> m_memDC;
    // How the scene files' paths are found, paint after paint.
    platform::PathResolver m_paths;
    std::unique_ptr<std::array<std::uint8_t, kSceneInfoSize>> m_sceneInfo;
    std::unique_ptr<platform::Font> m_fontLarge;
    std::unique_ptr<platform::Font> m_fontMedium;
    std::unique_ptr<platform::Font> m_fontSmall;
    std::array<platform::Bitmap, 13> m_bmpMonth;       // 1..12; 0 never loaded
    std::array<platform::Bitmap, 11> m_bmpDigitLarge;  // 0..9 and the blank cell
    std::array<platform::Bitmap, 10> m_bmpDigitSmall;  // 0..9
    platform::Bitmap m_bmp303;                         // clock colon
    platform::Bitmap m_bmp189;                         // speed scale
    platform::Bitmap m_bmp302, m_bmp301, m_bmp306;     // travel screen buttons
    platform::Bitmap m_bmp191, m_bmp190;               // AD and BC badges
    platform::Bitmap m_bmp104, m_bmp105;               // step buttons
    platform::Bitmap m_bmp106, m_bmp108, m_bmp109;     // zoom faces
    platform::Bitmap m_bmp132;                         // probability meter
    Int64Math m_math;

    // Flags.
    int m_firstPaint = 0;
    int m_repaintFrame = 1;
    int m_repaintBrowse = 0;
    int m_showClock = 1;
    int m_dayNightEffects = 1;
    int m_hoverMouse = 1;
    int m_warpAnimations = 1;

    // Controls and drawing bookkeeping.
    int m_eventsScroll = 0;
    int m_moreAbove = 0;
    int m_moreBelow = 0;
    int m_eventLines = 0;
    std::vector<ListedEvent> m_listedEvents;  // the page the list shows, in order
    int m_meterShown = 0;
    std::int64_t m_drawnYearStep = 0;
    std::int64_t m_lastDrawnYear = 0;
    platform::ColorRef m_blankColour = 0;

    // Scene pictures.
    std::array<std::uint8_t, kScenePixelsSize> m_scenePixels{};
    std::array<std::uint8_t, kScenePixelsSize> m_warpPixels{};
    std::array<std::uint8_t, kScenePaletteSize> m_scenePalette{};
    // Scene files are read here first, so that a missing or short file never
    // leaves half a new picture; and the files already reported unreadable.
    std::array<std::uint8_t, kScenePixelsSize> m_pictureRead{};
    std::array<std::uint8_t, kScenePaletteSize> m_paletteRead{};
    std::set<std::string> m_sceneFilesReported;
    // The framebuffer whose scene place shows m_scenePixels in the colours
    // of m_shownColours. Whatever draws over that place, or changes
    // m_scenePixels, sets it back to null.
    const platform::Framebuffer* m_sceneShownOn = nullptr;
    std::array<platform::ColorRef, 256> m_shownColours{};
};

}  // namespace orb
