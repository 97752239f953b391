#include "display/FutureMarks.h"

#include "display/Colours.h"
#include "display/DrawImage.h"
#include "display/EraLabel.h"
#include "display/ViewState.h"
#include "platform/Dc.h"

namespace orb {

namespace {

// Only the top of the meter carries meaning: its title, bar and marks.
constexpr int kMeterX = 450;
constexpr int kMeterWidth = 253;
constexpr int kMeterRows = 80;

// Where the near future ends, and the coarsest step that still shows it.
constexpr std::int64_t kFutureEnd = 10000;

}  // namespace

bool FutureMarksShown(std::int64_t year, std::int64_t step, std::int64_t presentYear) {
    if (year <= 0 || step >= kFutureEnd) {
        return false;
    }
    const YearStretch stretch = LabelledYears(year, step);
    return stretch.last > presentYear && stretch.first < kFutureEnd;
}

void DrawFutureMarks(ViewState& s, platform::Dc& dc) {
    dc.SetTextColor(kMarkerRed);
    dc.SelectFont(s.m_fontMedium.get());
    if (FutureMarksShown(s.time.m_year, s.time.m_yearStep, s.time.m_nowYear)) {
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
