// A file that takes the place of its target only once it is whole. The bytes
// go to a temporary file in the target's directory; Commit flushes it to disk
// and renames it over the target. Until then the target keeps what it held.
// The temporary file is removed as soon as a write or the commit fails, and
// with the object when it was never committed.
// Renaming also works over a program that is running, which cannot be
// opened for writing.
#pragma once

#include <sys/types.h>
#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

class ReplacingFile {
  public:
    ReplacingFile() = default;
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    // Starts the replacement of `path`, a program path resolved as File
    // resolves it. Throws FileException, naming the target's host path, when
    // no temporary file can be made beside it.
    void Create(std::string_view path, mode_t permissions);
    void Write(const void* buffer, std::size_t count);
    // Gives the new file its permissions, flushes it to disk and puts it in
    // the target's place. Throws FileException when any of these fails; the
    // target then keeps its old contents.
    void Commit();

    // The target's host path.
    const std::string& HostPath() const { return m_hostPath; }

  private:
    void RequireCreated(const char* verb) const;
    [[noreturn]] void Fail(const std::string& what, int error);
    void Discard();

    int m_fd = -1;
    mode_t m_permissions = 0;
    std::string m_hostPath;
    std::string m_temporaryPath;  // empty when there is none to remove
};

}  // namespace platform
