// The browsing screen painted over any databank image, moment, step, scroll
// position and bookkeeping flags, twice in a row as a click and the paint
// after it would; also the databank walk and the era label on their own.
//
// Input: a 44-byte header, then the databank image (cut or padded with
// zeros to 31,125 bytes). Integers are little-endian:
//   0  year of the first paint (int64)      8  its step (byte: 10^(b % 10))
//   9  step drawn before (byte: b % 11, 0 for none, else 10^(b % 11 - 1))
//  10  scroll position of the first paint (int32: bit 0 new view or not,
//      the rest pages scrolled down)
//  14  flags: bit 0 m_repaintBrowse, bit 1 m_meterShown,
//      bits 2-4 m_eventLines (taken modulo 7)
//  15  year of the second paint (int64)    23  its step (byte)
//  24  scroll position of the second paint (int32)
//  28  year for the era label alone (int64) 36  its step (int64, any value)
// A year outside -15,000,000,000..15,000,000,000, or 0, is folded into it.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "display/BrowsingScreen.h"
#include "display/Colours.h"
#include "display/EraLabel.h"
#include "display/EventDate.h"
#include "display/EventRecords.h"
#include "display/FutureMarks.h"
#include "display/TimeState.h"
#include "display/TravelTimer.h"
#include "display/ViewHost.h"
#include "display/ViewState.h"
#include "fakes/FakeBitmapSource.h"
#include "fakes/FakeFontSource.h"
#include "fuzz/FuzzCheck.h"
#include "platform/Bitmap.h"
#include "platform/Colour.h"
#include "platform/Dc.h"
#include "platform/Framebuffer.h"
#include "platform/MemoryDc.h"
#include "platform/Utf8.h"

namespace {

using orbfuzz::Require;

constexpr std::size_t kHeaderSize = 44;
constexpr std::array<std::int64_t, 10> kSteps = {1,      10,      100,      1000,      10000,
                                                 100000, 1000000, 10000000, 100000000, 1000000000};
// The panels end here; below are the buttons, which no text reaches.
constexpr int kPanelsBottom = 450;
// Nothing drawn is longer than the longest line the databank walk keeps.
constexpr std::size_t kLongestText = orb::kTextLineLimit;
// The events list shows one page: at most six events.
constexpr int kMostEventLines = 6;
constexpr platform::ColorRef kDesktop = platform::Rgb(212, 208, 200);

template <typename T>
T Read(const std::uint8_t* at) {
    T value{};
    std::memcpy(&value, at, sizeof value);
    return value;
}

std::int64_t FoldYear(std::int64_t raw) {
    if (raw >= orb::kYearMin && raw <= orb::kYearMax && raw != 0) {
        return raw;
    }
    const auto span = static_cast<std::uint64_t>(orb::kYearMax - orb::kYearMin) + 1;
    const std::int64_t year =
        orb::kYearMin + static_cast<std::int64_t>(static_cast<std::uint64_t>(raw) % span);
    return year == 0 ? 1 : year;
}

// The scroll positions the view takes: 100 for a new view, 20 after a step,
// a zoom or the Timeline button (so browsing always starts at 20 today), and
// from either any number of pages of 300 pixels down (the upper bar only
// takes back a page the lower one went down). Bit 0 picks the start, the
// rest the pages.
constexpr int kMostPagesDown = 3333;

int ScrollPosition(std::int32_t raw) {
    const auto bits = static_cast<std::uint32_t>(raw);
    const int start = (bits & 1u) != 0 ? 100 : 20;
    return start - 300 * static_cast<int>((bits >> 1) % (kMostPagesDown + 1));
}

// What a paint may draw as text: no longer than the longest line the
// databank walk keeps, on the panels, and only printable bytes. Every byte is
// read, so a view past its buffer shows under AddressSanitizer.
void CheckTexts(const std::vector<orbtest::TextDraw>& draws) {
    for (const orbtest::TextDraw& d : draws) {
        Require(platform::Utf8Length(d.text) <= kLongestText,
                "no text drawn is longer than a databank line");
        Require(d.y >= 0 && d.y + std::abs(d.height) <= kPanelsBottom, "text stays on the panels");
        for (const char c : d.text) {
            Require(c != '\n' && c != '\0', "no line end is drawn");
        }
    }
}

// A window that only keeps what a paint must and must not ask of it.
class PaintHost final : public orb::ViewHost {
  public:
    PaintHost() : m_frame(kDesktop), m_screen(m_frame) {}
    platform::Dc& ScreenDc() override { return m_screen; }
    void Invalidate() override { Require(false, "a paint schedules no further paint"); }
    void SetTimer(int id, int) override {
        if (id == orb::kTravelTimerId) {
            travelTimerRunning = true;
        }
    }
    void KillTimer(int id) override {
        if (id == orb::kTravelTimerId) {
            travelTimerRunning = false;
        }
    }
    bool PlaySound(const char*, unsigned) override { return true; }
    void RunAutopilot(orb::AutopilotFields&) override { Require(false, "a paint opens no dialog"); }
    void Warn(const std::string&) override {}

    bool travelTimerRunning = true;

  private:
    platform::Framebuffer m_frame;
    platform::Dc m_screen;
};

// The record is large: made once, its fuzzed fields set again for each input.
struct Rig {
    Rig() {
        orb::ViewState& s = *state;
        s.m_memDC = std::make_unique<platform::MemoryDc>();
        s.m_memDC->CreateCompatible();
        s.m_fontLarge = fonts.CreateFont("Arial", -30);
        s.m_fontMedium = fonts.CreateFont("Arial", -20);
        s.m_fontSmall = fonts.CreateFont("Times New Roman", -15);
        for (const auto& [bitmap, id] :
             {std::pair{&s.m_bmp104, 104}, std::pair{&s.m_bmp105, 105}, std::pair{&s.m_bmp106, 106},
              std::pair{&s.m_bmp108, 108}, std::pair{&s.m_bmp109, 109},
              std::pair{&s.m_bmp132, 132}}) {
            *bitmap = bitmaps.LoadBitmap(id);
            Require(!bitmap->IsNull(), "the fake bitmaps hold their pixels");
        }
        s.time.m_browseMode = orb::kBrowsingMode;
    }

    std::vector<orbtest::TextDraw> draws;
    orbtest::FakeFontSource fonts{&draws};
    orbtest::FakeBitmapSource bitmaps;
    std::unique_ptr<orb::ViewState> state = std::make_unique<orb::ViewState>();
    PaintHost host;
    platform::Framebuffer frame{kDesktop};
};

void RequireCopied(const platform::Framebuffer& frame, const platform::Bitmap& image, int x, int y,
                   const char* what) {
    const int right = image.Width() - 1;
    const int bottom = image.Height() - 1;
    Require(frame.PixelAt(x, y) == image.PixelAt(0, 0) &&
                frame.PixelAt(x + right, y + bottom) == image.PixelAt(right, bottom),
            what);
}

// What one paint promises, whatever the state it started from.
void CheckPaint(const Rig& rig, bool meterWasShown, bool refilled) {
    const orb::ViewState& s = *rig.state;
    const orb::TimeState& t = s.time;
    const platform::Framebuffer& frame = rig.frame;
    Require(s.m_repaintBrowse == 0, "the paint answers the repaint request");
    Require(!rig.host.travelTimerRunning, "time stands while the user browses");
    const bool shown = orb::FutureMarksShown(t.m_year, t.m_yearStep, t.m_nowYear);
    Require(s.m_meterShown == (shown ? 1 : 0), "m_meterShown says whether the meter is shown");
    Require(s.m_eventLines >= 0 && s.m_eventLines <= kMostEventLines,
            "m_eventLines counts the events of one page");
    Require(
        (s.m_moreAbove == 0 || s.m_moreAbove == 1) && (s.m_moreBelow == 0 || s.m_moreBelow == 1),
        "the scroll flags are 0 or 1");

    RequireCopied(frame, s.m_bmp104, 100, 460, "the step back button is drawn");
    RequireCopied(frame, s.m_bmp105, 300, 460, "the step forward button is drawn");
    const platform::Bitmap& zoom = t.m_yearStep == orb::kFinestYearStep     ? s.m_bmp109
                                   : t.m_yearStep == orb::kCoarsestYearStep ? s.m_bmp108
                                                                            : s.m_bmp106;
    RequireCopied(frame, zoom, 500, 460, "the zoom face fits the step");

    // The meter's top row: nothing else is drawn there.
    const std::uint32_t meterLeft = frame.PixelAt(450, 0);
    const std::uint32_t meterRight = frame.PixelAt(702, 0);
    if (shown) {
        Require(meterLeft == s.m_bmp132.PixelAt(0, 0) && meterRight == s.m_bmp132.PixelAt(252, 0),
                "the meter is drawn for the near future");
    } else if (meterWasShown || refilled) {
        const std::uint32_t purple = platform::ToPixel(orb::kPanelPurple);
        Require(meterLeft == purple && meterRight == purple, "a meter no longer due is erased");
    }
    Require(frame.PixelAt(140, 10) == platform::ToPixel(orb::kLabelYellow),
            "the era label is drawn in yellow at its place");
    const auto bar = [](int flag) {
        return platform::ToPixel(flag != 0 ? orb::kBarLit : orb::kBarDark);
    };
    Require(frame.PixelAt(780, 0) == bar(s.m_moreAbove) &&
                frame.PixelAt(798, 219) == bar(s.m_moreAbove),
            "the upper scroll bar is lit exactly when there is more above");
    Require(frame.PixelAt(780, 230) == bar(s.m_moreBelow) &&
                frame.PixelAt(798, 449) == bar(s.m_moreBelow),
            "the lower scroll bar is lit exactly when there is more below");
}

void Paint(Rig& rig) {
    orb::ViewState& s = *rig.state;
    const bool meterWasShown = s.m_meterShown != 0;
    const bool refilled = s.m_repaintBrowse != 0 || s.time.m_yearStep != s.m_drawnYearStep;
    rig.host.travelTimerRunning = true;
    rig.draws.clear();
    platform::Dc dc(rig.frame);
    orb::DrawBrowsingScreen(s, rig.host, dc);
    CheckTexts(rig.draws);
    CheckPaint(rig, meterWasShown, refilled);
}

// The walk over an image of exactly the databank's size: a read past its
// end leaves the allocation, and every record lies inside, in order.
void CheckWalk(const std::uint8_t* data, std::size_t size) {
    const auto* begin = reinterpret_cast<const char*>(data);
    const char* end = begin + size;
    const char* previousEnd = begin;
    orb::EventRecords records(data, size);
    orb::EventRecord record;
    std::size_t count = 0;
    while (records.Next(&record)) {
        ++count;
        Require(count <= size, "the walk ends");
        Require(platform::Utf8Length(record.date) <= orb::kDateLineLimit,
                "date lines are cut at their limit");
        Require(platform::Utf8Length(record.text) <= orb::kTextLineLimit,
                "text lines are cut at their limit");
        for (const std::string_view line : {record.date, record.text}) {
            if (line.empty()) {
                continue;
            }
            Require(line.data() >= previousEnd && line.data() + line.size() <= end,
                    "records lie inside the databank, in order");
            previousEnd = line.data() + line.size();
            for (const char c : line) {
                Require(c != '\n' && c != '\0', "a line holds no byte that ends a line");
            }
        }
        const orb::EventDate parsed = orb::ParseEventDate(record.date);
        Require(record.when.hasYear == parsed.hasYear && record.when.year == parsed.year &&
                    record.when.cut == parsed.cut,
                "a record's date is its date line's");
    }
}

// "st", "nd", "rd" or "th" after the number m, as English writes it.
const char* OrdinalSuffix(std::int64_t m) {
    const std::int64_t lastTwo = m % 100;
    if (lastTwo >= 11 && lastTwo <= 13) {
        return "th";
    }
    switch (m % 10) {
        case 1:
            return "st";
        case 2:
            return "nd";
        case 3:
            return "rd";
        default:
            return "th";
    }
}

// The label worked out from the promises: the body for the step's power of
// ten, ranges in the direction of time, the era and four blanks.
std::string ExpectedEraLabel(std::int64_t year, std::int64_t step) {
    std::int64_t power = 1;
    for (const std::int64_t candidate : kSteps) {
        if (candidate <= step) {
            power = candidate;
        }
    }
    const bool afterChrist = year > 0;
    const std::int64_t magnitude = afterChrist ? year : -year;
    const std::int64_t n = magnitude / power;
    const auto range = [afterChrist](const std::string& lower, const std::string& upper,
                                     const char* unit) {
        const std::string from = (afterChrist ? lower : upper) + unit;
        const std::string to = (afterChrist ? upper : lower) + unit;
        return from + " to " + to;
    };
    const auto tenths = [](std::int64_t value) {
        return std::to_string(value / 10) + "." + std::to_string(value % 10);
    };
    std::string body;
    if (power == 1) {
        body = std::to_string(magnitude);
    } else if (power == 10) {
        body = std::to_string(n) + "0's";  // "00's" for the years 1 to 9
    } else if (power <= 10000) {
        const char* unit = power == 100 ? " century" : power == 1000 ? " millennium" : " myriad";
        body = std::to_string(n + 1) + OrdinalSuffix(n + 1) + unit;
    } else if (power == 100000) {
        body = range(tenths(n), tenths(n + 1), " million years");
    } else if (power < 1000000000) {
        const std::int64_t millions = power / 1000000;
        body = range(std::to_string(n * millions), std::to_string((n + 1) * millions),
                     " million years");
    } else {
        body = range(std::to_string(n), std::to_string(n + 1), " billion years");
    }
    return body + (afterChrist ? " AD" : " BC") + "    ";
}

void CheckEraLabel(std::int64_t year, std::int64_t step) {
    const std::string label = orb::FormatEraLabel(year, step);
    const std::string_view era = year > 0 ? " AD    " : " BC    ";
    Require(label.size() > era.size() &&
                std::string_view(label).substr(label.size() - era.size()) == era,
            "the era label ends in its era and four blanks");
    Require(label == ExpectedEraLabel(year, step), "the era label names the step's stretch");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < kHeaderSize) {
        return 0;
    }
    static Rig rig;
    orb::ViewState& s = *rig.state;
    orb::TimeState& t = s.time;

    // The databank, once as the viewer holds it and once in a buffer of its
    // own exact size.
    const std::size_t bankBytes = std::min(size - kHeaderSize, orb::kEventsDataSize);
    s.m_eventsData.assign(orb::kEventsDataSize, 0);
    std::memcpy(s.m_eventsData.data(), data + kHeaderSize, bankBytes);
    const auto bank = std::make_unique<std::uint8_t[]>(orb::kEventsDataSize);
    std::memcpy(bank.get(), s.m_eventsData.data(), orb::kEventsDataSize);
    CheckWalk(bank.get(), orb::kEventsDataSize);

    CheckEraLabel(FoldYear(Read<std::int64_t>(data + 28)), Read<std::int64_t>(data + 36));

    // The first paint, from whatever state the header gives. The frame keeps
    // what earlier inputs drew: a paint never reads it, and every pixel the
    // checks look at is one the paint itself draws.
    t.m_year = FoldYear(Read<std::int64_t>(data));
    t.m_yearStep = kSteps[data[8] % kSteps.size()];
    const auto drawn = static_cast<std::size_t>(data[9] % (kSteps.size() + 1));
    s.m_drawnYearStep = drawn == 0 ? 0 : kSteps[drawn - 1];
    s.m_eventsScroll = ScrollPosition(Read<std::int32_t>(data + 10));
    s.m_repaintBrowse = data[14] & 1;
    s.m_meterShown = (data[14] >> 1) & 1;
    s.m_eventLines = ((data[14] >> 2) & 7) % (kMostEventLines + 1);
    s.m_moreAbove = 0;
    s.m_moreBelow = 0;
    CheckEraLabel(t.m_year, t.m_yearStep);
    Paint(rig);

    // A click moves the moment, the step and the list, remembering the step
    // drawn; the paint after it starts from what the first one left.
    s.m_drawnYearStep = t.m_yearStep;
    t.m_year = FoldYear(Read<std::int64_t>(data + 15));
    t.m_yearStep = kSteps[data[23] % kSteps.size()];
    s.m_eventsScroll = ScrollPosition(Read<std::int32_t>(data + 24));
    CheckEraLabel(t.m_year, t.m_yearStep);
    Paint(rig);
    return 0;
}
