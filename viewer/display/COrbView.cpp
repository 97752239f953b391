#include "display/COrbView.h"

#include "display/BrowsingScreen.h"
#include "display/Colours.h"
#include "display/ControlLayout.h"
#include "display/Controls.h"
#include "display/TimeModel.h"
#include "display/TravelScreen.h"
#include "display/TravelTick.h"
#include "field/InstallPathField.h"
#include "platform/BitmapSource.h"
#include "platform/Clock.h"
#include "platform/Dc.h"
#include "platform/File.h"
#include "platform/FontSource.h"
#include "platform/WholeFile.h"
#include "res/ResourceIds.h"

namespace orb {

namespace {

constexpr int kStartScene = 8;

}  // namespace

COrbView::COrbView(ViewState& state, ViewHost& host, const ViewSources& sources,
                   volatile char* installPathField)
    : m_state(state), m_host(host), m_sources(sources) {
    ViewState& s = m_state;
    s.m_installDir = TakeInstallDirectory(installPathField);
    s.m_screenDC = &m_host.ScreenDc();
    s.m_sceneInfo = std::make_unique<std::array<std::uint8_t, kSceneInfoSize>>();

    ReadInstalledDatabank();

    s.time.m_scene = kStartScene;
    LoadBitmaps();
    s.m_repaintFrame = 1;
    s.m_firstPaint = 1;

    TimeState& t = s.time;
    t.m_nowYear = 1999;
    t.m_nowMonth = 7;
    t.m_nowDay = 2;
    t.m_nowHour = 12;
    t.m_nowMinute = 0;
    t.m_travelSeconds = kPresentSeconds;
    t.m_speed = 0.0;

    s.m_memDC = std::make_unique<platform::MemoryDc>();
    t.m_yearStep = 1;
    s.m_eventsScroll = 100;
    CreateFonts();
}

COrbView::~COrbView() {
    m_state.m_memDC.reset();
    // The screen context is the host window's; the record outlives both.
    m_state.m_screenDC = nullptr;
}

std::string COrbView::EventsPath(const std::string& installDir) {
    return installDir + "\\DATA\\EVENTS.DAT";
}

void COrbView::ReadInstalledDatabank() {
    ViewState& s = m_state;
    // Whatever the file holds beyond its end stays zero.
    std::vector<std::uint8_t> data(kEventsDataSize, 0);
    platform::File events;
    events.Open(EventsPath(s.m_installDir),
                platform::File::modeRead | platform::File::shareDenyWrite);
    events.Read(data.data(), data.size());
    events.Close();
    s.m_eventsData = std::move(data);
    s.m_databankPath.clear();
}

DatabankOpening COrbView::OpenDatabank(const std::string& path) {
    DatabankOpening opening;
    platform::WholeFile file = platform::ReadWholeFile(path, kLargestDatabank);
    if (!file.read) {
        opening.unreadable = file.problem;
        return opening;
    }
    opening.problems = CheckDatabank(file.bytes, DatabankProfile::kOwn);
    if (HasError(opening.problems)) {
        return opening;
    }
    m_state.m_eventsData.assign(file.bytes.begin(), file.bytes.end());
    m_state.m_databankPath = path;
    opening.opened = true;
    DatabankChanged();
    return opening;
}

void COrbView::UseInstalledDatabank() {
    ReadInstalledDatabank();
    DatabankChanged();
}

void COrbView::DatabankChanged() {
    // The list starts again from its top; on the browsing screen at once.
    m_state.m_eventsScroll = kListTop;
    if (m_state.time.m_browseMode >= kBrowsingScreenFrom) {
        RepaintAll();
    }
}

void COrbView::LoadBitmaps() {
    ViewState& s = m_state;
    const auto load = [this](platform::Bitmap& bitmap, int id) {
        bitmap = m_sources.bitmaps.LoadBitmap(id);
    };
    // Slot 0 of the months stays empty: months count from 1.
    for (std::size_t month = 1; month < s.m_bmpMonth.size(); ++month) {
        load(s.m_bmpMonth[month], res::IDB_MONTH_FIRST + static_cast<int>(month) - 1);
    }
    for (std::size_t digit = 0; digit < s.m_bmpDigitSmall.size(); ++digit) {
        const int value = static_cast<int>(digit);
        load(s.m_bmpDigitLarge[digit], res::IDB_DIGIT_LARGE_FIRST + value);
        load(s.m_bmpDigitSmall[digit], res::SmallDigitId(value));
    }
    load(s.m_bmpDigitLarge.back(), res::IDB_DIGIT_LARGE_BLANK);
    const struct {
        platform::Bitmap& bitmap;
        int id;
    } singles[] = {
        {s.m_bmp104, res::IDB_STEP_BACK},   {s.m_bmp105, res::IDB_STEP_FORWARD},
        {s.m_bmp106, res::IDB_ZOOM_BOTH},   {s.m_bmp109, res::IDB_ZOOM_NO_IN},
        {s.m_bmp108, res::IDB_ZOOM_NO_OUT}, {s.m_bmp132, res::IDB_PROBABILITY_METER},
        {s.m_bmp301, res::IDB_TIMELINE},    {s.m_bmp302, res::IDB_SET_DESTINATION},
        {s.m_bmp189, res::IDB_SPEED_SCALE}, {s.m_bmp303, res::IDB_CLOCK_COLON},
        {s.m_bmp306, res::IDB_FUEL_GAUGE},  {s.m_bmp191, res::IDB_BADGE_AD},
        {s.m_bmp190, res::IDB_BADGE_BC},
    };
    for (const auto& single : singles) {
        load(single.bitmap, single.id);
    }
}

void COrbView::CreateFonts() {
    const platform::FontSource& fonts = m_sources.fonts;
    m_state.m_fontLarge = fonts.CreateFont("Arial", -30);
    m_state.m_fontSmall = fonts.CreateFont("Times New Roman", -15);
    m_state.m_fontMedium = fonts.CreateFont("Arial", -20);
}

void COrbView::OnDraw(platform::Dc& dc) {
    ViewState& s = m_state;
    // A view the system erased shows the blank colour along its top row.
    if (s.m_firstPaint != 0) {
        s.m_blankColour = s.m_screenDC->GetPixel(400, 300);
    }
    for (int x = 0; x < 400; x += 20) {
        if (dc.GetPixel(x, 0) == s.m_blankColour) {
            s.m_repaintFrame = 1;
        }
    }
    if (s.m_firstPaint != 0 && s.m_repaintFrame != 0) {
        s.m_memDC->CreateCompatible();
        m_host.SetTimer(kTravelTimerId, kTravelTimerPeriodMs);
    }
    if (s.m_repaintFrame != 0) {
        dc.FillSolidRect(0, 0, 799, 599, kBlack);
        s.m_sceneShownOn = nullptr;
        if (s.time.m_browseMode < kBrowsingMode) {
            DrawStaticFrame(s, dc);
        }
        s.m_firstPaint = 0;
        s.m_repaintFrame = 0;
    }
    if (s.time.m_browseMode >= kBrowsingScreenFrom) {
        DrawBrowsingScreen(s, m_host, dc);
    } else {
        DrawTravelScreen(s, m_host, dc);
    }
}

void COrbView::OnTimer(int timerId) {
    SnapshotClock(m_state.time, m_sources.clock);
    if (timerId == kTravelTimerId) {
        TravelTick(m_state, m_host);
    }
}

void COrbView::OnLButtonDown(int x, int y) {
    HandleClick(m_state, m_host, x, y);
}

bool COrbView::OnKey(ViewKey key) {
    // The present is the clock's, read now.
    SnapshotClock(m_state.time, m_sources.clock);
    return HandleKey(m_state, m_host, key);
}

void COrbView::OnReturnToPresent() {
    OnKey(ViewKey::kHome);
}

void COrbView::OnMouseMove(int x, int y) {
    HandleHover(m_state, x, y);
}

void COrbView::RepaintAll() {
    m_state.m_repaintFrame = 1;
    m_state.m_repaintBrowse = 1;
    m_host.Invalidate();
}

void COrbView::OnRButtonDown() {
    RepaintAll();
}
void COrbView::OnSize() {
    RepaintAll();
}
void COrbView::OnMove() {
    RepaintAll();
}
void COrbView::OnShowWindow() {
    RepaintAll();
}
void COrbView::OnSetFocus() {
    RepaintAll();
}

void COrbView::OnKillFocus() {
    m_state.m_repaintFrame = 1;
    m_state.m_repaintBrowse = 1;
}

}  // namespace orb
