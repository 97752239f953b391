#include "bitmaps/BitmapCatalogue.h"

#include <string>

#include "bitmaps/ButtonPainter.h"
#include "bitmaps/EraBadgePainter.h"
#include "bitmaps/FuelGaugePainter.h"
#include "bitmaps/MonthPainter.h"
#include "bitmaps/ProbabilityMeterPainter.h"
#include "bitmaps/SegmentDigitPainter.h"
#include "bitmaps/SetupBackgroundPainter.h"
#include "bitmaps/SpeedScalePainter.h"

namespace orb::art {

std::vector<BitmapPainter> BitmapCatalogue::Painters() {
    std::vector<BitmapPainter> out;
    for (int digit = 0; digit <= 9; ++digit) {
        const std::string number = std::to_string(digit);
        out.push_back(
            {"DIGIT_LARGE_" + number, [digit] { return SegmentDigitPainter::Large(digit); }});
        out.push_back(
            {"DIGIT_SMALL_" + number, [digit] { return SegmentDigitPainter::Small(digit); }});
    }
    out.push_back({"DIGIT_LARGE_BLANK", [] { return SegmentDigitPainter::Large(-1); }});
    out.push_back({"CLOCK_COLON", [] { return SegmentDigitPainter::Colon(); }});
    for (int month = 1; month <= 12; ++month) {
        out.push_back({std::string("MONTH_") + MonthPainter::Name(month),
                       [month] { return MonthPainter::Month(month); }});
    }
    out.push_back({"SPEED_SCALE", [] { return SpeedScalePainter::Paint(); }});
    out.push_back({"SET_DESTINATION",
                   [] { return ButtonPainter::Text(QStringLiteral("SET DESTINATION"), 16); }});
    out.push_back({"TIMELINE", [] { return ButtonPainter::Text(QStringLiteral("TIMELINE"), 21); }});
    out.push_back({"FUEL_GAUGE", [] { return FuelGaugePainter::Paint(); }});
    out.push_back({"STEP_BACK", [] { return ButtonPainter::Arrow(true); }});
    out.push_back({"STEP_FORWARD", [] { return ButtonPainter::Arrow(false); }});
    out.push_back({"ZOOM_BOTH", [] { return ButtonPainter::Zoom(true, true); }});
    out.push_back({"ZOOM_NO_OUT", [] { return ButtonPainter::Zoom(true, false); }});
    out.push_back({"ZOOM_NO_IN", [] { return ButtonPainter::Zoom(false, true); }});
    out.push_back({"BADGE_AD", [] { return EraBadgePainter::Paint(true); }});
    out.push_back({"BADGE_BC", [] { return EraBadgePainter::Paint(false); }});
    out.push_back({"PROBABILITY_METER", [] { return ProbabilityMeterPainter::Paint(); }});
    out.push_back({"BACKGROUND", [] { return SetupBackgroundPainter::Paint(); }});
    return out;
}

}  // namespace orb::art
