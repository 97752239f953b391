// Reading a user's file whole: at most the limit and one byte more, only a
// regular file, and a plain reason when it cannot be read.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "platform/WholeFile.h"
#include "support/TempDir.h"

namespace {

class WholeFile : public ::testing::Test {
  protected:
    std::string Write(const std::string& name, const std::string& bytes) {
        return scratch.Write(name, bytes).string();
    }
    orbtest::TempDir scratch;
    const std::string dir = scratch.Str();
};

TEST_F(WholeFile, ReadsUpToTheLimitAndOneByteMore) {
    const struct {
        std::string bytes;
        std::size_t limit;
        std::string read;
    } cases[] = {
        {"", 10, ""},
        {"abc", 10, "abc"},
        {"0123456789", 10, "0123456789"},
        {"0123456789A", 10, "0123456789A"},
        {"0123456789ABCDEF", 10, "0123456789A"},
        {std::string("a\0b", 3), 10, std::string("a\0b", 3)},
    };
    for (const auto& c : cases) {
        const platform::WholeFile file = platform::ReadWholeFile(Write("f", c.bytes), c.limit);
        EXPECT_TRUE(file.read) << file.problem;
        EXPECT_EQ(file.bytes, c.read);
    }
}

TEST_F(WholeFile, SaysWhyItCannotRead) {
    ASSERT_EQ(::mkfifo((dir + "/fifo").c_str(), 0600), 0);
    const std::string unreadable = Write("locked", "x");
    ASSERT_EQ(::chmod(unreadable.c_str(), 0), 0);
    const struct {
        std::string path;
        const char* problem;
    } cases[] = {
        {dir + "/missing", "cannot open it: No such file or directory"},
        {dir, "it is a directory, not a file"},
        {dir + "/fifo", "it is not a regular file"},
        {"/dev/null", "it is not a regular file"},
    };
    for (const auto& c : cases) {
        const platform::WholeFile file = platform::ReadWholeFile(c.path, 100);
        EXPECT_FALSE(file.read) << c.path;
        EXPECT_EQ(file.problem, c.problem) << c.path;
    }
    if (::geteuid() != 0) {  // root reads it anyway
        const platform::WholeFile file = platform::ReadWholeFile(unreadable, 100);
        EXPECT_FALSE(file.read);
        EXPECT_EQ(file.problem, "cannot open it: Permission denied");
    }
}

// Every read, good or refused, gives its descriptor back.
TEST_F(WholeFile, LeavesNoDescriptorOpen) {
    const auto openDescriptors = [] {
        std::size_t count = 0;
        for ([[maybe_unused]] const auto& entry :
             std::filesystem::directory_iterator("/proc/self/fd")) {
            ++count;
        }
        return count;
    };
    const std::string file = Write("f", "1969\nMoon\n");
    const std::size_t before = openDescriptors();
    for (int i = 0; i < 20; ++i) {
        EXPECT_TRUE(platform::ReadWholeFile(file, 100).read);
        EXPECT_FALSE(platform::ReadWholeFile(dir, 100).read);  // a directory, refused
    }
    EXPECT_EQ(openDescriptors(), before);
}

}  // namespace
