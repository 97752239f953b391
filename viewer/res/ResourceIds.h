// Numeric ids of the viewer's resources and commands.
#pragma once

namespace orb::res {

// Shared by the document template: menu, accelerators, icon, document string.
constexpr int IDR_MAINFRAME = 128;
constexpr int IDD_ABOUTBOX = 100;
constexpr int IDD_AUTOPILOT = 211;

// Commands.
constexpr int ID_OPTIONS_WARP = 32770;
constexpr int ID_OPTIONS_CLOCK = 32775;
constexpr int ID_FILE_SELECTDATABANK = 32783;
constexpr int ID_OPTIONS_DAYNIGHT = 32785;
constexpr int ID_OPTIONS_HOVERMOUSE = 32788;
constexpr int ID_FILE_NEW = 57600;
constexpr int ID_FILE_OPEN = 57601;
constexpr int ID_APP_ABOUT = 57664;
constexpr int ID_APP_EXIT = 57665;

// Strings.
constexpr int IDS_APP_TITLE = 57344;
constexpr const char* kAppTitle = "ORBILON";
constexpr const char* kDocumentString = "Orb\n\nOrb\n\n\nOrb.Document\nOrb Document";
constexpr const char* kMainCaption = "Orbilon 1.2";
constexpr const char* kVersion = "1.2";

// Bitmaps.
constexpr int IDB_MONTH_FIRST = 175;        // JAN; DEC is 186
constexpr int IDB_DIGIT_LARGE_FIRST = 165;  // 0; 9 is 174
constexpr int IDB_DIGIT_LARGE_BLANK = 187;
constexpr int IDB_DIGIT_SMALL_ZERO = 119;
constexpr int IDB_DIGIT_SMALL_ONE = 111;  // 1..8 are 111..118
constexpr int IDB_DIGIT_SMALL_NINE = 110;
constexpr int IDB_STEP_BACK = 104;
constexpr int IDB_STEP_FORWARD = 105;
constexpr int IDB_ZOOM_BOTH = 106;
constexpr int IDB_ZOOM_NO_OUT = 108;
constexpr int IDB_ZOOM_NO_IN = 109;
constexpr int IDB_PROBABILITY_METER = 132;
constexpr int IDB_SPEED_SCALE = 189;
constexpr int IDB_BADGE_BC = 190;
constexpr int IDB_BADGE_AD = 191;
constexpr int IDB_TIMELINE = 301;
constexpr int IDB_SET_DESTINATION = 302;
constexpr int IDB_CLOCK_COLON = 303;
constexpr int IDB_FUEL_GAUGE = 306;

// The id of the small clock digit `digit` (0..9): the ids run 119, 111..118, 110.
constexpr int SmallDigitId(int digit) {
    return digit == 0 ? IDB_DIGIT_SMALL_ZERO
                      : (digit == 9 ? IDB_DIGIT_SMALL_NINE : IDB_DIGIT_SMALL_ONE + digit - 1);
}

}  // namespace orb::res
