// What actually makes noise. The player decides what to play; a backend only
// plays one file at a time.
#pragma once

#include <string>

namespace platform {

class SoundBackend {
  public:
    virtual ~SoundBackend() = default;
    // Starts `hostPath`, replacing whatever plays. Never blocks; a file or
    // device that cannot play is silent.
    virtual void Play(const std::string& hostPath, bool loop) = 0;
    virtual void Stop() = 0;
    virtual bool IsPlaying() const = 0;
};

}  // namespace platform
