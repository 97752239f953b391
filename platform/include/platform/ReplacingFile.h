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

#include "platform/Path.h"

namespace platform {

// What a file is for decides its permissions. A new file gets 0666 (kData)
// or 0777 (kLaunchable, kProgram) less the process's umask; a replaced one
// keeps the permission bits its target had. A program also gets execute
// permission wherever it may be read.
enum class FileKind { kData, kLaunchable, kProgram };

class ReplacingFile {
  public:
    ReplacingFile() = default;
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    // Starts the replacement of `path`, found on disk as `spelling` says.
    // Throws FileException, naming the target's host path, when no temporary
    // file can be made beside it.
    void Create(std::string_view path, FileKind kind, Spelling spelling = Spelling::kAnyCase);
    void Write(const void* buffer, std::size_t count);
    // Gives the new file its permissions, flushes it to disk and puts it in
    // the target's place. Throws FileException when any of these fails; the
    // target then keeps its old contents.
    void Commit();

    // The target's host path.
    const std::string& HostPath() const { return m_hostPath; }

    // Removes the temporary files that replacements of `path` left beside
    // it when their process was killed before it could. Only names of that
    // target's own pattern are touched. Throws FileException, naming the
    // file, when one of them cannot be removed.
    static void RemoveStaleTemporaries(std::string_view path,
                                       Spelling spelling = Spelling::kAnyCase);

  private:
    void RequireCreated(const char* verb) const;
    [[noreturn]] void Fail(const std::string& what, int error);
    void Discard();
    mode_t PermissionsFor() const;

    int m_fd = -1;
    FileKind m_kind = FileKind::kData;
    std::string m_hostPath;
    std::string m_temporaryPath;  // empty when there is none to remove
};

}  // namespace platform
