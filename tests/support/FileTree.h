// Reading files and directory trees back, for comparing them whole.
#pragma once

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

namespace orbtest {

inline std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// Every entry under `root`, as relative paths with '/'.
inline std::set<std::string> Listing(const std::filesystem::path& root) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
        names.insert(entry.path().lexically_relative(root).generic_string());
    }
    return names;
}

// The entries a replacement's temporary files would be: hidden names.
inline std::set<std::string> TemporaryFiles(const std::filesystem::path& root) {
    std::set<std::string> hidden;
    for (const std::string& name : Listing(root)) {
        const std::size_t slash = name.rfind('/');
        if (name[slash == std::string::npos ? 0 : slash + 1] == '.') {
            hidden.insert(name);
        }
    }
    return hidden;
}

inline unsigned Permissions(const std::filesystem::path& path) {
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info.st_mode & 07777u;
}

}  // namespace orbtest
