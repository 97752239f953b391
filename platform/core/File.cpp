#include "platform/File.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "core/FdIo.h"
#include "platform/FileException.h"
#include "platform/Path.h"
#include "platform/PathResolver.h"

namespace platform {

File::~File() {
    Close();
}

bool File::Open(std::string_view path, unsigned flags) {
    Close();
    m_requested.assign(path);
    m_hostPath = ResolvePath(path);
    return OpenHostPath(flags);
}

bool File::Open(std::string_view path, unsigned flags, PathResolver& paths) {
    Close();
    m_requested.assign(path);
    m_hostPath = paths.Resolve(path);
    if (OpenHostPath(flags) || m_openError != ENOENT) {
        return IsOpen();
    }
    paths.Forget();
    m_hostPath = paths.Resolve(path);
    return OpenHostPath(flags);
}

bool File::OpenHostPath(unsigned flags) {
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
    m_openError = m_fd >= 0 ? 0 : errno;
    return m_fd >= 0;
}

std::size_t File::Read(void* buffer, std::size_t count) {
    RequireOpen("read");
    return ReadFully(m_fd, m_requested, buffer, count);
}

void File::Write(const void* buffer, std::size_t count) {
    RequireOpen("write");
    WriteFully(m_fd, m_requested, buffer, count);
}

std::uint64_t File::GetLength() const {
    RequireOpen("measure");
    struct stat info {};
    if (::fstat(m_fd, &info) != 0) {
        throw FileException(m_requested, "cannot measure it (" + ErrorText(errno) + ")");
    }
    return static_cast<std::uint64_t>(info.st_size);
}

void File::RequireOpen(const char* verb) const {
    if (m_fd >= 0) {
        return;
    }
    // Why the open failed says more than that the file is not open.
    if (m_openError != 0) {
        throw FileException(m_requested, "cannot open it (" + ErrorText(m_openError) + ")");
    }
    throw FileException(m_requested, std::string("cannot ") + verb + " a file that is not open");
}

void File::Close() {
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}

}  // namespace platform
