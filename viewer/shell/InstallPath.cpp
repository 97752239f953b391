#include "shell/InstallPath.h"

#define ORB_FILL10 "??????????"

extern "C" {

// Its own writable section, so the installer can find it through the section
// headers by name without searching the bytes; `used` and `retain` keep it in
// the image even though nothing else refers to the section.
__attribute__((section(".orb_install_path"), used, retain)) volatile char g_szInstallPath[111] =
    ORB_FILL10 ORB_FILL10 ORB_FILL10 ORB_FILL10 ORB_FILL10 ORB_FILL10 ORB_FILL10 ORB_FILL10
        ORB_FILL10 ORB_FILL10 ORB_FILL10;
}

#undef ORB_FILL10
