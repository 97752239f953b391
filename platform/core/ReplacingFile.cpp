#include "platform/ReplacingFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <memory>

#include "core/FdIo.h"
#include "platform/FileException.h"

namespace platform {

namespace {

// mkostemp fills these with letters and digits.
constexpr std::size_t kUniqueLength = 6;
constexpr mode_t kPermissionBits = 0777;

// The directory part of a host path: "." for a bare name, "/" for the root.
std::string DirectoryOf(const std::string& hostPath) {
    const std::size_t slash = hostPath.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : hostPath.substr(0, slash);
}

std::string NameOf(const std::string& hostPath) {
    const std::size_t slash = hostPath.rfind('/');
    return slash == std::string::npos ? hostPath : hostPath.substr(slash + 1);
}

std::string HostPathOf(std::string_view path, Spelling spelling) {
    return spelling == Spelling::kExact ? std::string(path) : ResolvePath(path);
}

// The hidden name a temporary file of `name` starts with.
std::string TemporaryPrefix(const std::string& name) {
    return "." + name + ".";
}

bool IsTemporaryOf(const std::string& entry, const std::string& prefix) {
    if (entry.size() != prefix.size() + kUniqueLength || entry.compare(0, prefix.size(), prefix)) {
        return false;
    }
    for (std::size_t i = prefix.size(); i < entry.size(); ++i) {
        const char c = entry[i];
        const bool alnum =
            (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        if (!alnum) {
            return false;
        }
    }
    return true;
}

// The process's umask as the kernel reports it. Setting and restoring it
// instead would leave a moment in which another thread creates files with
// the wrong one, so that is only the way out when /proc cannot be read.
mode_t ProcessUmask() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.compare(0, 6, "Umask:") == 0) {
            return static_cast<mode_t>(std::strtoul(line.c_str() + 6, nullptr, 8)) &
                   kPermissionBits;
        }
    }
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return mask;
}

}  // namespace

ReplacingFile::~ReplacingFile() {
    Discard();
}

void ReplacingFile::Create(std::string_view path, FileKind kind, Spelling spelling) {
    if (m_fd >= 0 || !m_temporaryPath.empty()) {
        throw FileException(std::string(path), "a replacement is already under way");
    }
    m_hostPath = HostPathOf(path, spelling);
    m_kind = kind;
    const std::string directory = DirectoryOf(m_hostPath);
    // Hidden and unique beside the target, so the rename stays on one file system.
    std::string pattern = (directory == "/" ? "" : directory) + "/" +
                          TemporaryPrefix(NameOf(m_hostPath)) + std::string(kUniqueLength, 'X');
    const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd < 0) {
        Fail("cannot create", errno);
    }
    m_fd = fd;
    m_temporaryPath = pattern;
}

void ReplacingFile::Write(const void* buffer, std::size_t count) {
    RequireCreated("write");
    try {
        WriteFully(m_fd, m_hostPath, buffer, count);
    } catch (const FileException&) {
        Discard();
        throw;
    }
}

mode_t ReplacingFile::PermissionsFor() const {
    mode_t mode = 0;
    // A target that cannot be looked at (there is none, or it is a dangling
    // link) is made as a new file.
    struct stat target {};
    if (::stat(m_hostPath.c_str(), &target) == 0) {
        mode = target.st_mode & kPermissionBits;
    } else {
        mode = (m_kind == FileKind::kData ? 0666 : 0777) & ~ProcessUmask();
    }
    if (m_kind == FileKind::kProgram) {
        mode |= (mode & 0444) >> 2;  // read gives execute: r-- to r-x
    }
    return mode;
}

void ReplacingFile::Commit() {
    RequireCreated("commit");
    if (::fchmod(m_fd, PermissionsFor()) != 0) {
        Fail("cannot set its permissions", errno);
    }
    if (::fsync(m_fd) != 0) {
        Fail("cannot flush it to disk", errno);
    }
    const int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0) {
        Fail("cannot close it", errno);
    }
    if (::rename(m_temporaryPath.c_str(), m_hostPath.c_str()) != 0) {
        Fail("cannot put it in place", errno);
    }
    m_temporaryPath.clear();
    int error = 0;
    if (!SyncDirectory(DirectoryOf(m_hostPath), &error)) {
        Fail("cannot flush its directory to disk", error);
    }
}

void ReplacingFile::RemoveStaleTemporaries(std::string_view path, Spelling spelling) {
    const std::string hostPath = HostPathOf(path, spelling);
    const std::string directory = DirectoryOf(hostPath);
    const std::string prefix = TemporaryPrefix(NameOf(hostPath));
    // A directory that is missing or cannot be listed holds nothing to remove.
    std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(directory.c_str()), &::closedir);
    if (!dir) {
        return;
    }
    while (const dirent* entry = ::readdir(dir.get())) {
        const std::string name = entry->d_name;
        if (!IsTemporaryOf(name, prefix)) {
            continue;
        }
        const std::string stale = (directory == "/" ? "" : directory) + "/" + name;
        if (::unlink(stale.c_str()) != 0) {
            const int error = errno;
            if (error != ENOENT) {
                throw FileException(
                    stale, "cannot remove this unfinished copy (" + ErrorText(error) + ")");
            }
        }
    }
}

void ReplacingFile::RequireCreated(const char* verb) const {
    if (m_fd < 0) {
        throw FileException(m_hostPath, std::string("cannot ") + verb + " a file not created");
    }
}

void ReplacingFile::Fail(const std::string& what, int error) {
    Discard();
    throw FileException(m_hostPath, what + " (" + ErrorText(error) + ")");
}

void ReplacingFile::Discard() {
    if (m_fd >= 0) {
        ::close(m_fd);  // the file is thrown away; how it closes does not matter
        m_fd = -1;
    }
    if (!m_temporaryPath.empty()) {
        ::unlink(m_temporaryPath.c_str());
        m_temporaryPath.clear();
    }
}

}  // namespace platform
