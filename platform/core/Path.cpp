#include "platform/Path.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#include <strings.h>
#include <cerrno>
#include <memory>
#include <vector>

namespace platform {

namespace {

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

bool Exists(const std::string& hostPath) {
    struct stat info {};
    return ::lstat(hostPath.c_str(), &info) == 0;
}

// The entry of `directory` whose name equals `name` ignoring ASCII case, or
// `name` itself when there is none. An exact match always wins.
std::string Join(const std::string& directory, const std::string& name) {
    if (directory.empty()) {
        return name;
    }
    return directory.back() == '/' ? directory + name : directory + "/" + name;
}

// The entry of `directory` ("" is the current directory) whose name equals
// `name` ignoring ASCII case, or `name` itself when there is none. An exact
// match always wins.
std::string MatchEntry(const std::string& directory, const std::string& name) {
    if (name == "." || name == ".." || Exists(Join(directory, name))) {
        return name;
    }
    std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(directory.empty() ? "." : directory.c_str()),
                                            &::closedir);
    if (!dir) {
        return name;
    }
    std::string best;
    while (const dirent* entry = ::readdir(dir.get())) {
        if (::strcasecmp(entry->d_name, name.c_str()) == 0) {
            // Several spellings can exist on a case-sensitive disk; take the
            // first in byte order so the choice does not depend on readdir.
            if (best.empty() || best > entry->d_name) {
                best = entry->d_name;
            }
        }
    }
    return best.empty() ? name : best;
}

}  // namespace

std::string ResolvePath(std::string_view path) {
    std::vector<std::string> components;
    std::string current;
    for (char c : path) {
        if (IsSeparator(c)) {
            if (!current.empty()) {
                components.push_back(std::move(current));
                current.clear();
            }
        } else {
            current.push_back(c);
        }
    }
    if (!current.empty()) {
        components.push_back(std::move(current));
    }

    const bool absolute = !path.empty() && IsSeparator(path.front());
    std::string resolved = absolute ? "/" : "";
    for (const std::string& component : components) {
        resolved = Join(resolved, MatchEntry(resolved, component));
    }
    if (resolved.empty()) {
        resolved = ".";
    }
    return resolved;
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
    return Exists(ResolvePath(path));
}

}  // namespace platform
