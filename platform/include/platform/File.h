// A file opened with the framework's open flags. The outcome of Open may be
// ignored, as the program's callers do: a later Read or Write on a file that
// did not open throws FileException, which ends the caller's operation.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

class PathResolver;

class File {
  public:
    enum OpenFlags : unsigned {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000,
    };

    File() = default;
    ~File();
    File(const File&) = delete;
    File& operator=(const File&) = delete;

    // `path` is a program path ('\' or '/' separators, names matched without
    // regard to case). Sharing flags are accepted and not enforced: the host
    // has no mandatory locks.
    bool Open(std::string_view path, unsigned flags);
    // The same, the path found by `paths`. When no file is where it says,
    // it looks afresh once: a directory may have changed faster than its
    // modification time can tell.
    bool Open(std::string_view path, unsigned flags, PathResolver& paths);
    // Reads up to `count` bytes; fewer only at the end of the file.
    std::size_t Read(void* buffer, std::size_t count);
    void Write(const void* buffer, std::size_t count);
    // The file's size in bytes now.
    std::uint64_t GetLength() const;
    void Close();
    bool IsOpen() const { return m_fd >= 0; }
    const std::string& HostPath() const { return m_hostPath; }

  private:
    bool OpenHostPath(unsigned flags);
    void RequireOpen(const char* verb) const;

    int m_fd = -1;
    int m_openError = 0;  // the system's reason when the last Open failed
    std::string m_requested;
    std::string m_hostPath;
};

}  // namespace platform
