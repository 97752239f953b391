// Raised by a read or write on a file that could not be opened or that failed.
#pragma once

#include <stdexcept>
#include <string>

namespace platform {

class FileException : public std::runtime_error {
  public:
    FileException(std::string path, const std::string& reason)
        : std::runtime_error(reason + ": " + path), m_path(std::move(path)), m_reason(reason) {}
    const std::string& Path() const { return m_path; }
    // What went wrong, without the path: "write failed (No space left on device)".
    const std::string& Reason() const { return m_reason; }

  private:
    std::string m_path;
    std::string m_reason;
};

}  // namespace platform
