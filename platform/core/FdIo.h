// Whole reads and writes on a file descriptor, shared by the file classes.
// Both go on after an interruption and throw FileException, naming `path`,
// when the system reports an error.
#pragma once

#include <cstddef>
#include <string>

namespace platform {

// Reads up to `count` bytes; fewer only at the end of the file.
std::size_t ReadFully(int fd, const std::string& path, void* buffer, std::size_t count);

// Writes all `count` bytes or throws.
void WriteFully(int fd, const std::string& path, const void* buffer, std::size_t count);

// The system's text for an error number, for messages.
std::string ErrorText(int error);

}  // namespace platform
