#include "display/BrowsingScreen.h"

#include <string>

#include "display/Colours.h"
#include "display/DrawImage.h"
#include "display/EraLabel.h"
#include "display/EventsPanel.h"
#include "display/FutureMarks.h"
#include "display/TravelTimer.h"
#include "display/ViewHost.h"
#include "display/ViewState.h"
#include "platform/Dc.h"

namespace orb {

namespace {

const platform::Bitmap& ZoomFace(const ViewState& s) {
    if (s.time.m_yearStep == kFinestYearStep) {
        return s.m_bmp109;  // IN dimmed
    }
    if (s.time.m_yearStep == kCoarsestYearStep) {
        return s.m_bmp108;  // OUT dimmed
    }
    return s.m_bmp106;
}

}  // namespace

void DrawBrowsingScreen(ViewState& s, ViewHost& host, platform::Dc& dc) {
    // The panels and their texts stand where the scene picture was.
    s.m_sceneShownOn = nullptr;
    if (s.m_repaintBrowse != 0 || s.time.m_yearStep != s.m_drawnYearStep) {
        dc.FillSolidRect(0, 0, 799, 599, kBlack);
        dc.FillSolidRect(130, 0, 799 - 130, 450, kPanelPurple);
        dc.FillSolidRect(0, 0, 130, 450, kColumnBlue);
    }
    DrawImage(s, dc, s.m_bmp104, 100, 460);
    DrawImage(s, dc, s.m_bmp105, 300, 460);
    DrawImage(s, dc, ZoomFace(s), 500, 460);

    dc.SetTextColor(kLabelYellow);
    dc.SetBkColor(kPanelPurple);
    dc.SelectFont(s.m_fontLarge.get());
    const std::string label = FormatEraLabel(s.time.m_year, s.time.m_yearStep);
    // Time stands while the user browses; the click that leaves starts it again.
    host.KillTimer(kTravelTimerId);
    dc.TextOut(140, 10, label);
    DrawFutureMarks(s, dc);
    DrawEventsList(s, dc);
    s.m_repaintBrowse = 0;
}

}  // namespace orb
