// Resolving the same paths again and again: a directory is listed once for
// as long as it stays as it was, and found again once it has changed.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "platform/File.h"
#include "platform/Path.h"
#include "platform/PathResolver.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;

// Sets the modification time of `directory` a second past what it reads, as
// the clock would have moved on between two paints: a file system may keep
// times too coarsely to tell changes made within microseconds apart.
void MoveOn(const fs::path& directory) {
    struct stat info {};
    ASSERT_EQ(::stat(directory.c_str(), &info), 0);
    timespec times[2] = {info.st_atim, info.st_mtim};
    ++times[1].tv_sec;
    ASSERT_EQ(::utimensat(AT_FDCWD, directory.c_str(), times, 0), 0);
}

TEST(PathResolver, ResolvesAsResolvePathAndListsADirectoryOnce) {
    orbtest::TempDir dir;
    dir.Write("data/08.map", "picture");
    dir.Write("Data2/x", "");
    dir.Write("data2/x", "");
    platform::PathResolver paths;
    for (const std::string& path : {dir.Str() + "\\DATA\\08.MAP", dir.Str() + "\\DATA2\\X",
                                    dir.Str() + "/data/08.map", dir.Str() + "\\NEW\\file"}) {
        EXPECT_EQ(paths.Resolve(path), platform::ResolvePath(path)) << path;
    }
    const std::size_t listed = paths.ListingsRead();
    for (int paint = 0; paint < 10; ++paint) {
        EXPECT_EQ(paths.Resolve(dir.Str() + "\\DATA\\08.MAP"), dir.Str() + "/data/08.map");
    }
    EXPECT_EQ(paths.ListingsRead(), listed);
}

// Between two resolutions the directory is renamed and another takes its
// place under another spelling; then one of the exact spelling appears.
TEST(PathResolver, FindsADirectoryThatWasReplaced) {
    orbtest::TempDir dir;
    dir.Write("data/08.map", "old");
    platform::PathResolver paths;
    const std::string path = dir.Str() + "\\DATA\\08.map";
    ASSERT_EQ(paths.Resolve(path), dir.Str() + "/data/08.map");
    fs::rename(dir.Path() / "data", dir.Path() / "before");
    dir.Write("Data/08.map", "new");
    MoveOn(dir.Path());
    EXPECT_EQ(paths.Resolve(path), dir.Str() + "/Data/08.map");
    dir.Write("DATA/08.map", "exact");  // the old spelling stays beside it
    MoveOn(dir.Path());
    EXPECT_EQ(paths.Resolve(path), dir.Str() + "/DATA/08.map");
}

// A file system may keep modification times too coarsely to tell a change:
// a file that is not where the listing put it is looked for afresh.
TEST(PathResolver, AFileNotWhereItWasIsLookedForAfresh) {
    orbtest::TempDir dir;
    dir.Write("data/08.map", "old");
    platform::PathResolver paths;
    const std::string path = dir.Str() + "\\DATA\\08.map";
    platform::File file;
    ASSERT_TRUE(file.Open(path, platform::File::modeRead, paths));
    struct stat before {};
    ASSERT_EQ(::stat(dir.Str().c_str(), &before), 0);
    fs::rename(dir.Path() / "data", dir.Path() / "Data");
    const timespec times[2] = {before.st_atim, before.st_mtim};
    ASSERT_EQ(::utimensat(AT_FDCWD, dir.Str().c_str(), times, 0), 0);  // as if unchanged
    ASSERT_EQ(paths.Resolve(path), dir.Str() + "/data/08.map");        // the listing believes it
    platform::File again;
    ASSERT_TRUE(again.Open(path, platform::File::modeRead, paths));
    EXPECT_EQ(again.HostPath(), dir.Str() + "/Data/08.map");
}

}  // namespace
