// Numeric ids of the viewer's resources and commands.
#pragma once

#include <initializer_list>

#include "res/BitmapIds.h"
#include "version/ShownVersion.h"

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
// Commands added since: the View menu and the keys' help.
constexpr int ID_VIEW_PRESENT = 32790;
constexpr int ID_HELP_KEYS = 32791;
constexpr int ID_VIEW_ZOOM_IN = 32792;
constexpr int ID_VIEW_ZOOM_OUT = 32793;
constexpr int ID_VIEW_ACTUAL_SIZE = 32794;
constexpr int ID_VIEW_FULL_SCREEN = 32795;
// Databanks of one's own.
constexpr int ID_FILE_INSTALLED_DATABANK = 32796;
constexpr int ID_FILE_RELOAD_DATABANK = 32797;

// Strings.
constexpr int IDS_APP_TITLE = 57344;
constexpr const char* kAppTitle = "ORBILON";
constexpr const char* kDocumentString = "Orb\n\nOrb\n\n\nOrb.Document\nOrb Document";
constexpr const char* kMainCaption = "Orbilon " ORB_SHOWN_VERSION;
constexpr const char* kVersion = ORB_SHOWN_VERSION;

// Bitmaps: res/BitmapIds.h has IDB_<name> for each row of the bitmap table.
// The view finds a month and a large digit by counting from the first id.
constexpr int IDB_MONTH_FIRST = IDB_MONTH_JAN;
constexpr int IDB_DIGIT_LARGE_FIRST = IDB_DIGIT_LARGE_0;

namespace detail {
constexpr bool Consecutive(std::initializer_list<int> ids) {
    int next = *ids.begin();
    for (int id : ids) {
        if (id != next++) {
            return false;
        }
    }
    return true;
}
}  // namespace detail

static_assert(detail::Consecutive({IDB_MONTH_JAN, IDB_MONTH_FEB, IDB_MONTH_MAR, IDB_MONTH_APR,
                                   IDB_MONTH_MAY, IDB_MONTH_JUN, IDB_MONTH_JUL, IDB_MONTH_AUG,
                                   IDB_MONTH_SEP, IDB_MONTH_OCT, IDB_MONTH_NOV, IDB_MONTH_DEC}),
              "the table must give the months consecutive ids");
static_assert(detail::Consecutive({IDB_DIGIT_LARGE_0, IDB_DIGIT_LARGE_1, IDB_DIGIT_LARGE_2,
                                   IDB_DIGIT_LARGE_3, IDB_DIGIT_LARGE_4, IDB_DIGIT_LARGE_5,
                                   IDB_DIGIT_LARGE_6, IDB_DIGIT_LARGE_7, IDB_DIGIT_LARGE_8,
                                   IDB_DIGIT_LARGE_9}),
              "the table must give the large digits consecutive ids");

// The id of the small clock digit `digit` (0..9); the table gives them out of order.
constexpr int SmallDigitId(int digit) {
    const int ids[] = {IDB_DIGIT_SMALL_0, IDB_DIGIT_SMALL_1, IDB_DIGIT_SMALL_2, IDB_DIGIT_SMALL_3,
                       IDB_DIGIT_SMALL_4, IDB_DIGIT_SMALL_5, IDB_DIGIT_SMALL_6, IDB_DIGIT_SMALL_7,
                       IDB_DIGIT_SMALL_8, IDB_DIGIT_SMALL_9};
    return ids[digit];
}

}  // namespace orb::res
