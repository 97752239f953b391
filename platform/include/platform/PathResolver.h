// Resolves program paths as ResolvePath does, for code that resolves the same
// paths again and again, such as the view, which reads its scene files at
// every paint. It remembers each resolution together with the directories it
// had to search for another spelling of a name, and the listing of each such
// directory, for as long as those directories stay as they were (the same
// device, inode and modification time). A name that matched exactly is not
// looked at again: a caller that finds no file at the remembered place calls
// Forget and resolves afresh. Each user owns its own resolver: nothing is
// shared across the process.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace platform {

class PathResolver {
  public:
    std::string Resolve(std::string_view path);

    // Forgets every resolution and listing, so that the next Resolve looks
    // afresh: for a file that is not where the last resolution put it.
    void Forget();

    // How many directory listings have been read from the disk so far.
    std::size_t ListingsRead() const { return m_listingsRead; }

  private:
    // What tells that a directory changed.
    struct Stamp {
        std::uint64_t device = 0;
        std::uint64_t inode = 0;
        std::int64_t modifiedSeconds = 0;
        std::int64_t modifiedNanoseconds = 0;
        bool operator==(const Stamp& other) const;
    };
    struct Listing {
        Stamp stamp;
        std::vector<std::string> names;
    };
    struct Resolution {
        std::string hostPath;
        std::vector<std::pair<std::string, Stamp>> searched;
    };

    Resolution ResolveAfresh(std::string_view path);
    const Listing* ListingOf(const std::string& directory);
    std::string MatchEntry(const std::string& directory, const std::string& name,
                           Resolution& resolution);

    std::map<std::string, Resolution, std::less<>> m_resolved;
    std::map<std::string, Listing> m_listings;
    std::size_t m_listingsRead = 0;
};

}  // namespace platform
