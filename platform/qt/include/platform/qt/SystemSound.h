// The system's audio output, through Qt Multimedia's sound effects.
#pragma once

#include <memory>

#include "platform/SoundBackend.h"

namespace platform {

// Silent without a device; needs the application's event loop to play.
std::unique_ptr<SoundBackend> CreateSystemSoundBackend();

}  // namespace platform
