#include "platform/File.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/FileException.h"
#include "platform/Path.h"

namespace platform {

namespace {

// Calls `step(done)` until `count` bytes have moved or it moves none (the end
// of a file being read); again after an interruption. Throws on an error.
template <typename Step>
std::size_t Repeat(const std::string& path, const char* verb, std::size_t count, Step step) {
    std::size_t done = 0;
    while (done < count) {
        const ssize_t n = step(done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw FileException(path, std::string(verb) + " failed (" + std::strerror(errno) + ")");
        }
        if (n == 0) {
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    return done;
}

}  // namespace

File::~File() {
    Close();
}

bool File::Open(std::string_view path, unsigned flags) {
    Close();
    m_requested.assign(path);
    m_hostPath = ResolvePath(path);
    int mode = O_RDONLY;
    if ((flags & modeReadWrite) != 0) {
        mode = O_RDWR;
    } else if ((flags & modeWrite) != 0) {
        mode = O_WRONLY;
    }
    if ((flags & modeCreate) != 0) {
        // Create or empty, unless asked to keep the contents.
        mode |= O_CREAT;
        if ((flags & modeNoTruncate) == 0) {
            mode |= O_TRUNC;
        }
        if ((mode & O_ACCMODE) == O_RDONLY) {
            mode = (mode & ~O_ACCMODE) | O_RDWR;  // truncating needs write access here
        }
    }
    m_fd = ::open(m_hostPath.c_str(), mode | O_CLOEXEC, 0666);
    return m_fd >= 0;
}

std::size_t File::Read(void* buffer, std::size_t count) {
    RequireOpen("read");
    auto* out = static_cast<char*>(buffer);
    return Repeat(m_requested, "read", count,
                  [&](std::size_t done) { return ::read(m_fd, out + done, count - done); });
}

void File::Write(const void* buffer, std::size_t count) {
    RequireOpen("write");
    const auto* in = static_cast<const char*>(buffer);
    const std::size_t written = Repeat(m_requested, "write", count, [&](std::size_t done) {
        return ::write(m_fd, in + done, count - done);
    });
    if (written < count) {
        throw FileException(m_requested, "write failed (nothing more could be written)");
    }
}

void File::RequireOpen(const char* verb) const {
    if (m_fd < 0) {
        throw FileException(m_requested,
                            std::string("cannot ") + verb + " a file that is not open");
    }
}

void File::Close() {
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}

}  // namespace platform
