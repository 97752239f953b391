#include "display/TravelScreen.h"

#include <cstddef>
#include <cstdint>

#include "display/Colours.h"
#include "display/DrawImage.h"
#include "display/SceneRendering.h"
#include "display/ViewState.h"
#include "platform/Dc.h"

namespace orb {

namespace {

constexpr int kClockY = 65;
constexpr int kBadgeX = 600;
constexpr int kBadgeY = 399;
constexpr int kDateRowX = 160;
constexpr int kDateRowY = 385;
constexpr int kCellWidth = 40;
constexpr int kBlankCell = 10;  // slot of the blank cell among the large digits
// From this year on (either sign) the row holds the year alone, and the clock
// is hidden: a time of day means little that far out.

// The digit of `value` at the given power of ten, 0..9 whatever the sign, so
// that it always names a bitmap slot.
std::size_t DigitAt(std::int64_t value, std::int64_t power) {
    const std::int64_t digit = (value / power) % 10;
    return static_cast<std::size_t>(digit < 0 ? -digit : digit);
}

const platform::Bitmap& LargeCell(const ViewState& s, std::size_t slot) {
    return s.m_bmpDigitLarge[slot];
}

void DrawClock(ViewState& s, platform::Dc& dc, std::int64_t absYear) {
    const TimeState& t = s.time;
    if (s.m_showClock != 1 || absYear >= kLongYear) {
        // Reaches past the view's right edge; the context clips it.
        dc.FillSolidRect(680, kClockY, 770, 97, kBlack);
        return;
    }
    const auto hour = static_cast<std::int64_t>(t.m_hour);
    const auto minute = static_cast<std::int64_t>(t.m_minute);
    DrawImage(s, dc, s.m_bmpDigitSmall[DigitAt(hour, 10)], 680, kClockY);
    DrawImage(s, dc, s.m_bmpDigitSmall[DigitAt(hour, 1)], 700, kClockY);
    DrawImage(s, dc, s.m_bmp303, 720, kClockY);
    DrawImage(s, dc, s.m_bmpDigitSmall[DigitAt(minute, 10)], 730, kClockY);
    DrawImage(s, dc, s.m_bmpDigitSmall[DigitAt(minute, 1)], 750, kClockY);
}

// Only a change of sign redraws the badge; the full repaint draws it anew.
void DrawBadge(ViewState& s, platform::Dc& dc) {
    const std::int64_t year = s.time.m_year;
    if (year > 0 && s.m_lastDrawnYear <= 0) {
        DrawImage(s, dc, s.m_bmp191, kBadgeX, kBadgeY);
    } else if (year <= 0 && s.m_lastDrawnYear > 0) {
        DrawImage(s, dc, s.m_bmp190, kBadgeX, kBadgeY);
    }
}

void DrawDateRow(ViewState& s, platform::Dc& dc, std::int64_t absYear) {
    const TimeState& t = s.time;
    const auto cellX = [](int cell) { return kDateRowX + cell * kCellWidth; };
    if (absYear < kLongYear) {
        const auto day = static_cast<std::int64_t>(t.m_day);
        DrawImage(s, dc, LargeCell(s, DigitAt(day, 10)), cellX(0), kDateRowY);
        DrawImage(s, dc, LargeCell(s, DigitAt(day, 1)), cellX(1), kDateRowY);
        DrawImage(s, dc, LargeCell(s, kBlankCell), cellX(2), kDateRowY);
        if (t.m_month >= 1 && t.m_month <= 12) {
            DrawImage(s, dc, s.m_bmpMonth[static_cast<std::size_t>(t.m_month)], cellX(3),
                      kDateRowY);
        }
        DrawImage(s, dc, LargeCell(s, kBlankCell), cellX(6), kDateRowY);
        std::int64_t power = 1000;
        for (int cell = 7; cell <= 10; ++cell, power /= 10) {
            DrawImage(s, dc, LargeCell(s, DigitAt(absYear, power)), cellX(cell), kDateRowY);
        }
        return;
    }
    // Eleven cells for 10^10 down to 10^0; the leading ones stay blank.
    std::int64_t power = 10000000000;
    for (int cell = 0; cell <= 10; ++cell, power /= 10) {
        const bool leading = power >= 100000 && absYear < power;
        DrawImage(s, dc, LargeCell(s, leading ? kBlankCell : DigitAt(absYear, power)), cellX(cell),
                  kDateRowY);
    }
}

}  // namespace

void DrawStaticFrame(ViewState& s, platform::Dc& dc) {
    DrawImage(s, dc, s.m_bmp189, 70, 60);
    DrawImage(s, dc, s.m_bmp302, 100, 460);
    DrawImage(s, dc, s.m_bmp301, 300, 460);
    DrawImage(s, dc, s.m_bmp306, 500, 460);
    DrawImage(s, dc, s.time.m_year > 0 ? s.m_bmp191 : s.m_bmp190, kBadgeX, kBadgeY);
}

void DrawTravelScreen(ViewState& s, ViewHost& host, platform::Dc& dc) {
    const bool loaded = LoadSceneFiles(s, host);
    if (loaded) {
        ZoomWarpScene(s);
    }
    const std::int64_t absYear = s.m_math.Abs64(s.time.m_year);
    DrawClock(s, dc, absYear);
    DrawBadge(s, dc);
    DrawDateRow(s, dc, absYear);
    // A scene that could not be read leaves the last picture as it was shown.
    if (loaded) {
        BlitScene(s, dc);
    } else {
        ShowScene(s, dc);
    }
    s.m_lastDrawnYear = s.time.m_year;
    s.m_repaintBrowse = 1;
}

}  // namespace orb
