#include "platform/File.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/FileException.h"
#include "platform/Path.h"

namespace platform {

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
    if (m_fd < 0) {
        throw FileException(m_requested, "cannot read a file that is not open");
    }
    auto* out = static_cast<char*>(buffer);
    std::size_t total = 0;
    while (total < count) {
        const ssize_t n = ::read(m_fd, out + total, count - total);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw FileException(m_requested,
                                std::string("read failed (") + std::strerror(errno) + ")");
        }
        if (n == 0) {
            break;
        }
        total += static_cast<std::size_t>(n);
    }
    return total;
}

void File::Write(const void* buffer, std::size_t count) {
    if (m_fd < 0) {
        throw FileException(m_requested, "cannot write a file that is not open");
    }
    const auto* in = static_cast<const char*>(buffer);
    std::size_t total = 0;
    while (total < count) {
        const ssize_t n = ::write(m_fd, in + total, count - total);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw FileException(m_requested,
                                std::string("write failed (") + std::strerror(errno) + ")");
        }
        total += static_cast<std::size_t>(n);
    }
}

void File::Close() {
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}

}  // namespace platform
