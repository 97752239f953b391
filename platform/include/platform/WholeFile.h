// A user's file read whole, exactly at the path given (no other spelling is
// tried), for files the program only reads: at most a limit of bytes, and
// only a regular file.
#pragma once

#include <cstddef>
#include <string>

namespace platform {

struct WholeFile {
    bool read = false;    // false: `problem` says why
    std::string bytes;    // the first `limit` bytes, and one more if there are more
    std::string problem;  // one line for the user
};

WholeFile ReadWholeFile(const std::string& path, std::size_t limit);

}  // namespace platform
