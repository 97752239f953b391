#include "platform/ReplacingFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "core/FdIo.h"
#include "platform/FileException.h"
#include "platform/Path.h"

namespace platform {

namespace {

// The directory part of a host path: "." for a bare name, "/" for the root.
std::string DirectoryOf(const std::string& hostPath) {
    const std::size_t slash = hostPath.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : hostPath.substr(0, slash);
}

// Makes the rename itself durable: the directory entry is on disk too.
int SyncDirectory(const std::string& directory) {
    const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return errno;
    }
    const int synced = ::fsync(fd) == 0 ? 0 : errno;
    const int closed = ::close(fd) == 0 ? 0 : errno;
    return synced != 0 ? synced : closed;
}

}  // namespace

ReplacingFile::~ReplacingFile() {
    Discard();
}

void ReplacingFile::Create(std::string_view path, mode_t permissions) {
    if (m_fd >= 0 || !m_temporaryPath.empty()) {
        throw FileException(std::string(path), "a replacement is already under way");
    }
    m_hostPath = ResolvePath(path);
    m_permissions = permissions;
    const std::size_t slash = m_hostPath.rfind('/');
    const std::string name = slash == std::string::npos ? m_hostPath : m_hostPath.substr(slash + 1);
    std::string directory = DirectoryOf(m_hostPath);
    // Hidden and unique beside the target, so the rename stays on one file system.
    std::string pattern = (directory == "/" ? "" : directory) + "/." + name + ".XXXXXX";
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

void ReplacingFile::Commit() {
    RequireCreated("commit");
    if (::fchmod(m_fd, m_permissions) != 0) {
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
    const int error = SyncDirectory(DirectoryOf(m_hostPath));
    if (error != 0) {
        Fail("cannot flush its directory to disk", error);
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
