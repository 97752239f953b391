#include "platform/WholeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "core/FdIo.h"
#include "platform/FileException.h"

namespace platform {

namespace {

// Closes the descriptor it holds when it goes.
class Descriptor {
  public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return m_fd; }

  private:
    int m_fd;
};

WholeFile Failed(std::string problem) {
    WholeFile file;
    file.problem = std::move(problem);
    return file;
}

}  // namespace

WholeFile ReadWholeFile(const std::string& path, std::size_t limit) {
    // Non-blocking, so that a FIFO named by mistake cannot hold the open up.
    const Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (fd.Get() < 0) {
        return Failed("cannot open it: " + ErrorText(errno));
    }
    struct stat status {};
    if (::fstat(fd.Get(), &status) != 0) {
        return Failed("cannot read it: " + ErrorText(errno));
    }
    if (!S_ISREG(status.st_mode)) {
        return Failed(S_ISDIR(status.st_mode) ? "it is a directory, not a file"
                                              : "it is not a regular file");
    }
    WholeFile file;
    file.bytes.resize(limit + 1);
    try {
        file.bytes.resize(ReadFully(fd.Get(), path, file.bytes.data(), file.bytes.size()));
    } catch (const FileException& e) {
        return Failed("cannot read it: " + e.Reason());
    }
    file.read = true;
    return file;
}

}  // namespace platform
