// Numeric ids and fixed strings of the installer's resources, commands and
// messages.
#pragma once

#include "setup/res/BitmapIds.h"  // IDB_BACKGROUND, from the bitmap table

namespace orbsetup::res {

// Shared by the document template: menu, accelerators, icon, document string.
constexpr int IDR_MAINFRAME = 128;
constexpr int IDD_UPGRADE_WIZARD = 130;
constexpr int IDD_SETUP_COMPLETE = 145;
constexpr int IDC_DIRECTORY = 1000;

// Commands.
constexpr int ID_FILE_NEW = 57600;
constexpr int ID_FILE_OPEN = 57601;
constexpr int ID_APP_EXIT = 57665;

// Button results that the dialogs send with their message.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;

// What the dialogs post to the view when a button closes them: WM_USER + 5.
constexpr int WM_SETUP_DIALOG_DONE = 1029;

// The view's one timer: a repaint a second.
constexpr int kRepaintTimer = 1;
constexpr int kRepaintPeriodMs = 1000;

// Strings.
constexpr const char* kAppTitle = "OrbSetup";
constexpr const char* kDocumentString =
    "OrbSetup\n\nOrbSet\n\n\nOrbSetup.Document\nOrbSet Document";

// The edit control accepts no more characters than this.
constexpr int kDirectoryMaxChars = 127;

}  // namespace orbsetup::res
