#include "platform/SoundPlayer.h"

#include <sys/stat.h>

#include "platform/Path.h"
#include "platform/SoundFlags.h"

namespace platform {

namespace {

bool IsRegularFile(const std::string& hostPath) {
    struct stat info {};
    return ::stat(hostPath.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

}  // namespace

SoundPlayer::SoundPlayer(std::unique_ptr<SoundBackend> backend) : m_backend(std::move(backend)) {}

bool SoundPlayer::PlaySound(const char* name, unsigned flags) {
    if (!m_backend) {
        return false;
    }
    if (name == nullptr) {
        m_backend->Stop();
        return true;
    }
    if ((flags & SND_NOSTOP) != 0 && m_backend->IsPlaying()) {
        return false;
    }
    // Every name is a file here; there is no table of system sound aliases.
    const std::string hostPath = ResolvePath(name);
    if (!IsRegularFile(hostPath)) {
        // A sound that cannot be found still ends the one before, as a new
        // PlaySound call does.
        m_backend->Stop();
        return false;
    }
    m_backend->Play(hostPath, (flags & SND_LOOP) != 0);
    return true;
}

}  // namespace platform
