#include "display/EventsPanel.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>

#include "display/Colours.h"
#include "display/EventRecords.h"
#include "display/ViewState.h"
#include "platform/Dc.h"

namespace orb {

namespace {

constexpr int kListX = 140;
constexpr int kFirstRow = 95;  // y of the first event of a page
constexpr int kRowPitch = 50;
constexpr int kSecondLine = 20;  // a broken text line goes on this far below
constexpr int kListTop = 45;     // an event at or above this lies above the page
constexpr int kListBottom = 325;

const std::string kTextBlanks(159, ' ');
const std::string kDateBlanks(21, ' ');
const std::string kNoEventsBlanks(42, ' ');

// The previous paint's events, overprinted with blanks at their places.
void EraseList(ViewState& s, platform::Dc& dc) {
    dc.SetTextColor(kLabelYellow);
    dc.SetBkColor(kPanelPurple);
    dc.SelectFont(s.m_fontSmall.get());
    if (s.m_eventLines == 0) {
        dc.SelectFont(s.m_fontMedium.get());
        dc.TextOut(kListX, kFirstRow, kNoEventsBlanks);  // a "NO EVENTS FOUND"
    }
    for (int k = 0; k < s.m_eventLines; ++k) {
        dc.TextOut(kListX, kFirstRow + kRowPitch * k, kTextBlanks);
        dc.TextOut(kListX, kFirstRow + kSecondLine + kRowPitch * k, kTextBlanks);
    }
    dc.SetBkColor(kColumnBlue);
    dc.SelectFont(s.m_fontMedium.get());
    for (int k = 0; k < s.m_eventLines; ++k) {
        dc.TextOut(0, kFirstRow + kRowPitch * k, kDateBlanks);
    }
}

bool Matches(const EventDate& when, std::int64_t year, std::int64_t step) {
    // Same step and same side of the birth of Christ: 1 BC..9 BC and
    // 1 AD..9 AD share the quotient 0 but not the decade.
    return when.hasYear && when.year / step == year / step &&
           static_cast<double>(when.year) * static_cast<double>(year) > 0.0;
}

// The date as the list shows it: at step 1 the label already names the
// year, so only what comes before it; at other steps the date without its
// " AD" or " BC" (a Mya date keeps its unit).
std::string_view ShownDate(std::string_view date, int cut, std::int64_t step) {
    if (step == 1) {
        std::size_t end = cut > 0 ? static_cast<std::size_t>(cut) : 0;
        end = std::min(end, date.size());
        if (end > 0 && date[end - 1] == ',') {
            --end;
        }
        return date.substr(0, end);
    }
    if (date.empty() || static_cast<signed char>(date.back()) <= '9') {
        return date;  // a bare year; " AD" is only implied
    }
    if (date.back() <= 'D' && date.size() >= 3) {
        return date.substr(0, date.size() - 3);
    }
    return date;
}

platform::ColorRef ShadeOf(std::string_view text, std::size_t* markerLength) {
    *markerLength = 0;
    if (!text.empty()) {
        if (const char* marker = std::strchr(kMarkers, text.front());
            marker != nullptr && text.front() != '\0') {
            *markerLength = 1;
            return kMarkedShades[marker - kMarkers];
        }
    }
    return kLabelYellow;
}

// The event's text at y, on two lines when it is long: broken at the last
// blank up to character 100, or after character 100 itself when there is
// none. Characters are counted, never split.
void DrawText(platform::Dc& dc, std::string_view text, int y) {
    std::size_t markerLength = 0;
    dc.SetTextColor(ShadeOf(text, &markerLength));
    const TextBreak broken = BreakText(text);
    if (!broken.twoLines) {
        dc.TextOut(kListX, y, text.substr(markerLength));
        return;
    }
    const std::size_t firstFrom = std::min(markerLength, broken.firstEnd);
    dc.TextOut(kListX, y, text.substr(firstFrom, broken.firstEnd - firstFrom));
    dc.TextOut(kListX, y + kSecondLine, text.substr(broken.restFrom));
}

}  // namespace

void DrawEventsList(ViewState& s, platform::Dc& dc) {
    const TimeState& t = s.time;
    s.m_moreAbove = 0;
    s.m_moreBelow = 0;
    EraseList(s, dc);

    int y = s.m_eventsScroll + 25;
    s.m_eventLines = 0;
    s.m_listedEvents.clear();
    bool found = false;
    EventRecords records(s.m_eventsData.data(), s.m_eventsData.size());
    EventRecord record;
    while (records.Next(&record)) {
        if (Matches(record.when, t.m_year, t.m_yearStep)) {
            y += kRowPitch;
            found = true;
            if (y <= kListTop) {
                s.m_moreAbove = 1;
            } else {
                dc.SetBkColor(kPanelPurple);
                dc.SelectFont(s.m_fontSmall.get());
                ++s.m_eventLines;
                DrawText(dc, record.text, y);
                dc.SetBkColor(kColumnBlue);
                dc.SetTextColor(kWhite);
                dc.SelectFont(s.m_fontMedium.get());
                const std::string_view date = ShownDate(record.date, record.when.cut, t.m_yearStep);
                dc.TextOut(0, y, date);
                std::size_t markerLength = 0;
                ShadeOf(record.text, &markerLength);
                s.m_listedEvents.push_back(
                    {std::string(date), std::string(record.text.substr(markerLength))});
                dc.SetBkColor(kPanelPurple);
                dc.SetTextColor(kLabelYellow);
            }
        }
        if (y >= kListBottom) {
            s.m_moreBelow = 1;
            break;
        }
    }
    if (!found) {
        dc.SetBkColor(kPanelPurple);
        dc.SelectFont(s.m_fontMedium.get());
        dc.SetTextColor(kWhite);
        dc.TextOut(kListX, kFirstRow, "NO EVENTS FOUND");
    }
    dc.FillSolidRect(780, 0, 19, 220, s.m_moreAbove != 0 ? kBarLit : kBarDark);
    dc.FillSolidRect(780, 230, 19, 220, s.m_moreBelow != 0 ? kBarLit : kBarDark);
}

}  // namespace orb
