#pragma once

namespace platform {

// Flags of PlaySound, with the values the program passes.
enum SoundFlags : unsigned {
    SND_SYNC = 0x0000,
    SND_ASYNC = 0x0001,
    SND_NODEFAULT = 0x0002,
    SND_LOOP = 0x0008,
    SND_NOSTOP = 0x0010,
    SND_FILENAME = 0x00020000,
};

}  // namespace platform
