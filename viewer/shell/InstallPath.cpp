#include "shell/InstallPath.h"

#define ORB_FILL10 "??????????"
#define ORB_FILL110                                                                         \
    ORB_FILL10 ORB_FILL10 ORB_FILL10 ORB_FILL10 ORB_FILL10 ORB_FILL10 ORB_FILL10 ORB_FILL10 \
        ORB_FILL10 ORB_FILL10 ORB_FILL10

// A shorter fill would leave NULs where the installer expects '?'.
static_assert(sizeof(ORB_FILL110) == orb::kInstallPathFieldSize);

extern "C" {

// Its own writable section, so the installer can find it through the section
// headers by name without searching the bytes; `used` and `retain` keep it in
// the image even though nothing else refers to the section. The name is
// kInstallPathSection; an attribute takes only a literal.
__attribute__((section(".orb_install_path"), used,
               retain)) volatile char g_szInstallPath[orb::kInstallPathFieldSize] = ORB_FILL110;
}

#undef ORB_FILL110
#undef ORB_FILL10
