#include "core/FdIo.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/FileException.h"

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
            throw FileException(path, std::string(verb) + " failed (" + ErrorText(errno) + ")");
        }
        if (n == 0) {
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    return done;
}

}  // namespace

std::size_t ReadFully(int fd, const std::string& path, void* buffer, std::size_t count) {
    auto* out = static_cast<char*>(buffer);
    return Repeat(path, "read", count,
                  [&](std::size_t done) { return ::read(fd, out + done, count - done); });
}

void WriteFully(int fd, const std::string& path, const void* buffer, std::size_t count) {
    const auto* in = static_cast<const char*>(buffer);
    const std::size_t written = Repeat(path, "write", count, [&](std::size_t done) {
        return ::write(fd, in + done, count - done);
    });
    if (written < count) {
        throw FileException(path, "write failed (nothing more could be written)");
    }
}

std::string ErrorText(int error) {
    return std::strerror(error);
}

}  // namespace platform
