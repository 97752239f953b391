#include "bitmaps/BitmapCatalogue.h"

#include "bitmaps/ButtonPainter.h"
#include "bitmaps/EraBadgePainter.h"
#include "bitmaps/FuelGaugePainter.h"
#include "bitmaps/MonthPainter.h"
#include "bitmaps/ProbabilityMeterPainter.h"
#include "bitmaps/SegmentDigitPainter.h"
#include "bitmaps/SetupBackgroundPainter.h"
#include "bitmaps/SpeedScalePainter.h"

namespace orb::art {

std::vector<BitmapEntry> BitmapCatalogue::Entries() {
    std::vector<BitmapEntry> out;
    const BitDepth p8 = BitDepth::kPalette8;
    for (int digit = 0; digit <= 9; ++digit) {
        out.push_back({165 + digit, p8, [digit] { return SegmentDigitPainter::Large(digit); }});
    }
    out.push_back({187, p8, [] { return SegmentDigitPainter::Large(-1); }});
    // The clock digits run backwards at the ends: 0 is 119, 1..8 are
    // 111..118 and 9 is 110.
    for (int digit = 0; digit <= 9; ++digit) {
        const int id = digit == 0 ? 119 : digit == 9 ? 110 : 110 + digit;
        out.push_back({id, p8, [digit] { return SegmentDigitPainter::Small(digit); }});
    }
    out.push_back({303, p8, [] { return SegmentDigitPainter::Colon(); }});
    for (int month = 1; month <= 12; ++month) {
        out.push_back({174 + month, p8, [month] { return MonthPainter::Month(month); }});
    }
    out.push_back({189, BitDepth::kTrue24, [] { return SpeedScalePainter::Paint(); }});
    out.push_back(
        {302, p8, [] { return ButtonPainter::Text(QStringLiteral("SET DESTINATION"), 16); }});
    out.push_back({301, p8, [] { return ButtonPainter::Text(QStringLiteral("TIMELINE"), 21); }});
    out.push_back({306, p8, [] { return FuelGaugePainter::Paint(); }});
    out.push_back({104, p8, [] { return ButtonPainter::Arrow(true); }});
    out.push_back({105, p8, [] { return ButtonPainter::Arrow(false); }});
    out.push_back({106, p8, [] { return ButtonPainter::Zoom(true, true); }});
    out.push_back({108, p8, [] { return ButtonPainter::Zoom(true, false); }});
    out.push_back({109, p8, [] { return ButtonPainter::Zoom(false, true); }});
    out.push_back({191, BitDepth::kPalette4, [] { return EraBadgePainter::Paint(true); }});
    out.push_back({190, BitDepth::kPalette4, [] { return EraBadgePainter::Paint(false); }});
    out.push_back({132, BitDepth::kTrue24, [] { return ProbabilityMeterPainter::Paint(); }});
    out.push_back({133, BitDepth::kTrue24, [] { return SetupBackgroundPainter::Paint(); }});
    return out;
}

}  // namespace orb::art
