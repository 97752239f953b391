#include "platform/Path.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#include <cerrno>

#include "platform/PathResolver.h"

namespace platform {

std::string ResolvePath(std::string_view path) {
    // A resolver of its own: nothing is remembered from one call to the next.
    return PathResolver().Resolve(path);
}

bool CreateDirectory(std::string_view path, int* error, Spelling spelling) {
    const std::string host = spelling == Spelling::kExact ? std::string(path) : ResolvePath(path);
    if (::mkdir(host.c_str(), 0777) == 0) {
        return true;
    }
    if (error != nullptr) {
        *error = errno;
    }
    return false;
}

bool SyncDirectory(const std::string& directory, int* error) {
    const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    int failure = fd < 0 ? errno : 0;
    if (fd >= 0) {
        failure = ::fsync(fd) == 0 ? 0 : errno;
        if (::close(fd) != 0 && failure == 0) {
            failure = errno;
        }
    }
    if (failure != 0 && error != nullptr) {
        *error = failure;
    }
    return failure == 0;
}

bool PathExists(std::string_view path) {
    struct stat info {};
    return ::lstat(ResolvePath(path).c_str(), &info) == 0;
}

}  // namespace platform
