// The install directory field inside the viewer's program file.
#pragma once

#include "field/InstallPathField.h"

// 110 '?' and a NUL as built; the installer writes the directory over the
// leading '?' of the copy it installs. Volatile, so that every read goes to
// the bytes in the file rather than to the constant the compiler saw.
extern "C" volatile char g_szInstallPath[orb::kInstallPathFieldSize];
