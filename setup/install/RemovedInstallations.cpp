#include "setup/install/RemovedInstallations.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <string_view>

#include "setup/install/DesktopEntry.h"

namespace orbsetup {

namespace {

// Larger files are no entry of this program's.
constexpr std::streamsize kLongestEntry = 65536;

bool EndsWith(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

std::string ParentOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == 0 || slash == std::string::npos ? "/" : path.substr(0, slash);
}

std::optional<std::string> ReadEntry(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::string text(static_cast<std::size_t>(kLongestEntry) + 1, '\0');
    in.read(text.data(), kLongestEntry + 1);
    if (in.bad() || in.gcount() > kLongestEntry) {
        return std::nullopt;
    }
    text.resize(static_cast<std::size_t>(in.gcount()));
    return text;
}

}  // namespace

bool InstallationRemoved(const std::string& directory) {
    if (directory.empty() || directory.front() != '/' || directory == "/") {
        return false;
    }
    struct stat info {};
    if (::lstat(directory.c_str(), &info) == 0 || errno != ENOENT) {
        return false;
    }
    return ::stat(ParentOf(directory).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

void RemoveEntriesOfRemovedInstallations(const std::string& folder) {
    std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), &::closedir);
    if (!dir) {
        return;
    }
    while (const dirent* entry = ::readdir(dir.get())) {
        const std::string path = folder + "/" + entry->d_name;
        struct stat info {};
        if (!EndsWith(entry->d_name, ".desktop") || ::lstat(path.c_str(), &info) != 0 ||
            !S_ISREG(info.st_mode)) {
            continue;
        }
        const std::optional<std::string> text = ReadEntry(path);
        const std::optional<std::string> directory =
            text ? DesktopEntryDirectory(*text) : std::nullopt;
        if (directory && InstallationRemoved(*directory)) {
            ::unlink(path.c_str());  // one that stays is tried again next time
        }
    }
}

}  // namespace orbsetup
