// Raised by a read or write on a file that could not be opened or that failed.
#pragma once

#include <stdexcept>
#include <string>

namespace platform {

class FileException : public std::runtime_error {
  public:
    FileException(std::string path, const std::string& what)
        : std::runtime_error(what + ": " + path), m_path(std::move(path)) {}
    const std::string& Path() const { return m_path; }

  private:
    std::string m_path;
};

}  // namespace platform
