// PlaySound's meaning over a backend: a null name stops the process's sound,
// SND_NOSTOP leaves a playing sound alone, SND_LOOP repeats until stopped.
#pragma once

#include <memory>
#include <string>

#include "platform/SoundBackend.h"

namespace platform {

class SoundPlayer {
  public:
    explicit SoundPlayer(std::unique_ptr<SoundBackend> backend);

    // Returns false when nothing was started: a missing file, or SND_NOSTOP
    // while a sound plays. Names are files looked up from the current
    // directory without regard to case.
    bool PlaySound(const char* name, unsigned flags);

  private:
    std::unique_ptr<SoundBackend> m_backend;
};

}  // namespace platform
