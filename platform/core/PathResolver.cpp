#include "platform/PathResolver.h"

#include <dirent.h>
#include <sys/stat.h>

#include <strings.h>
#include <algorithm>
#include <memory>

namespace platform {

namespace {

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

bool Exists(const std::string& hostPath) {
    struct stat info {};
    return ::lstat(hostPath.c_str(), &info) == 0;
}

std::string Join(const std::string& directory, const std::string& name) {
    if (directory.empty()) {
        return name;
    }
    return directory.back() == '/' ? directory + name : directory + "/" + name;
}

}  // namespace

bool PathResolver::Stamp::operator==(const Stamp& other) const {
    return device == other.device && inode == other.inode &&
           modifiedSeconds == other.modifiedSeconds &&
           modifiedNanoseconds == other.modifiedNanoseconds;
}

void PathResolver::Forget() {
    m_resolved.clear();
    m_listings.clear();
}

std::string PathResolver::Resolve(std::string_view path) {
    const auto found = m_resolved.find(path);
    if (found != m_resolved.end()) {
        const auto& searched = found->second.searched;
        const bool unchanged =
            std::all_of(searched.begin(), searched.end(), [this](const auto& directory) {
                const Listing* listing = ListingOf(directory.first);
                return listing != nullptr && listing->stamp == directory.second;
            });
        if (unchanged) {
            return found->second.hostPath;
        }
    }
    Resolution fresh = ResolveAfresh(path);
    std::string hostPath = fresh.hostPath;
    m_resolved.insert_or_assign(std::string(path), std::move(fresh));
    return hostPath;
}

PathResolver::Resolution PathResolver::ResolveAfresh(std::string_view path) {
    std::vector<std::string> components;
    std::string current;
    for (char c : path) {
        if (IsSeparator(c)) {
            if (!current.empty()) {
                components.push_back(std::move(current));
                current.clear();
            }
        } else {
            current.push_back(c);
        }
    }
    if (!current.empty()) {
        components.push_back(std::move(current));
    }

    Resolution resolution;
    const bool absolute = !path.empty() && IsSeparator(path.front());
    std::string resolved = absolute ? "/" : "";
    for (const std::string& component : components) {
        resolved = Join(resolved, MatchEntry(resolved, component, resolution));
    }
    if (resolved.empty()) {
        resolved = ".";
    }
    resolution.hostPath = std::move(resolved);
    return resolution;
}

const PathResolver::Listing* PathResolver::ListingOf(const std::string& directory) {
    struct stat info {};
    if (::stat(directory.c_str(), &info) != 0) {
        return nullptr;
    }
    Stamp stamp;
    stamp.device = info.st_dev;
    stamp.inode = info.st_ino;
    stamp.modifiedSeconds = info.st_mtim.tv_sec;
    stamp.modifiedNanoseconds = info.st_mtim.tv_nsec;
    const auto found = m_listings.find(directory);
    if (found != m_listings.end() && found->second.stamp == stamp) {
        return &found->second;
    }
    std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(directory.c_str()), &::closedir);
    if (!dir) {
        return nullptr;
    }
    Listing listing;
    listing.stamp = stamp;
    while (const dirent* entry = ::readdir(dir.get())) {
        listing.names.emplace_back(entry->d_name);
    }
    ++m_listingsRead;
    return &(m_listings[directory] = std::move(listing));
}

// The entry of `directory` ("" is the current directory) whose name equals
// `name` ignoring ASCII case, or `name` itself when there is none. An exact
// match always wins. A directory searched is noted in `resolution`: a name
// added to it or taken from it may change the answer.
std::string PathResolver::MatchEntry(const std::string& directory, const std::string& name,
                                     Resolution& resolution) {
    if (name == "." || name == ".." || Exists(Join(directory, name))) {
        return name;
    }
    const std::string listed = directory.empty() ? "." : directory;
    const Listing* listing = ListingOf(listed);
    if (listing == nullptr) {
        return name;
    }
    resolution.searched.emplace_back(listed, listing->stamp);
    std::string best;
    for (const std::string& entry : listing->names) {
        // Several spellings can exist on a case-sensitive disk; take the
        // first in byte order so the choice does not depend on readdir.
        if (::strcasecmp(entry.c_str(), name.c_str()) == 0 && (best.empty() || best > entry)) {
            best = entry;
        }
    }
    return best.empty() ? name : best;
}

}  // namespace platform
