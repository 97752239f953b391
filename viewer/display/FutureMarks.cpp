#include "display/FutureMarks.h"

#include "display/Colours.h"
#include "display/DrawImage.h"
#include "display/ViewState.h"
#include "platform/Dc.h"

namespace orb {

namespace {

// Only the top of the meter carries meaning: its title, bar and marks.
constexpr int kMeterX = 450;
constexpr int kMeterWidth = 253;
constexpr int kMeterRows = 80;

}  // namespace

bool FutureMarksShown(std::int64_t year, std::int64_t step) {
    return year > 1999 && year < 10000 && step < 10000;
}

void DrawFutureMarks(ViewState& s, platform::Dc& dc) {
    dc.SetTextColor(kMarkerRed);
    dc.SelectFont(s.m_fontMedium.get());
    if (FutureMarksShown(s.time.m_year, s.time.m_yearStep)) {
        dc.SetBkColor(kPanelPurple);
        dc.TextOut(0, 30, "SPECULATED");
        dc.SetTextColor(kLabelYellow);
        DrawImagePart(s, dc, s.m_bmp132, kMeterX, 0, kMeterWidth, kMeterRows);
        s.m_meterShown = 1;
        return;
    }
    dc.SetBkColor(kColumnBlue);
    dc.FillSolidRect(0, 30, 130, 30, kColumnBlue);
    dc.SetTextColor(kLabelYellow);
    dc.SetBkColor(kPanelPurple);
    if (s.m_meterShown != 0) {
        dc.FillSolidRect(kMeterX, 0, kMeterWidth, kMeterRows, kPanelPurple);
    }
    s.m_meterShown = 0;
}

}  // namespace orb
