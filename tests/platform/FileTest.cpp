#include <gtest/gtest.h>

#include <filesystem>

#include "platform/File.h"
#include "platform/FileException.h"
#include "support/TempDir.h"

namespace {

using platform::File;

TEST(File, ReadsUpToTheEnd) {
    orbtest::TempDir dir;
    dir.Write("DATA/EVENTS.dat", "hello");
    File file;
    ASSERT_TRUE(file.Open(dir.Str() + "\\DATA\\EVENTS.DAT", File::modeRead | File::shareDenyWrite));
    char buffer[16] = {};
    EXPECT_EQ(file.Read(buffer, sizeof buffer), 5u);
    EXPECT_STREQ(buffer, "hello");
    EXPECT_EQ(file.Read(buffer, sizeof buffer), 0u);
}

TEST(File, ReadOrWriteOnAFileThatDidNotOpenThrows) {
    orbtest::TempDir dir;
    File file;
    EXPECT_FALSE(file.Open(dir.Str() + "\\nothing.dat", 0x20));
    char buffer[4];
    EXPECT_THROW(file.Read(buffer, sizeof buffer), platform::FileException);
    EXPECT_FALSE(file.Open(dir.Str() + "\\no\\such\\dir\\out.bin", 0x31));
    EXPECT_THROW(file.Write("x", 1), platform::FileException);
    try {
        file.Write("x", 1);
    } catch (const platform::FileException& error) {
        EXPECT_EQ(error.Path(), dir.Str() + "\\no\\such\\dir\\out.bin");
    }
}

TEST(File, FailedReadsAndWritesOfAnOpenFileThrow) {
    File full;
    // The device that is always full: every write fails with "no space".
    ASSERT_TRUE(full.Open("/dev/full", File::modeWrite));
    EXPECT_THROW(full.Write("x", 1), platform::FileException);
    full.Write("", 0);  // nothing to write is no failure

    orbtest::TempDir dir;
    File directory;
    ASSERT_TRUE(directory.Open(dir.Str(), File::modeRead));
    char buffer[4];
    EXPECT_THROW(directory.Read(buffer, sizeof buffer), platform::FileException);
}

TEST(File, CreateEmptiesThenWriteReplacesTheContents) {
    orbtest::TempDir dir;
    const auto path = dir.Write("orb.exe", std::string(1000, 'o'));
    File file;
    ASSERT_TRUE(file.Open(dir.Str() + "\\orb.exe", 0x1000));  // create: empties it
    file.Close();
    EXPECT_EQ(std::filesystem::file_size(path), 0u);
    ASSERT_TRUE(file.Open(dir.Str() + "\\orb.exe", 0x31));  // write, deny read
    file.Write("new", 3);
    file.Close();
    EXPECT_EQ(std::filesystem::file_size(path), 3u);
    // Write without create keeps what lies past the written bytes.
    ASSERT_TRUE(file.Open(dir.Str() + "\\ORB.EXE", File::modeWrite));
    file.Write("N", 1);
    file.Close();
    File reader;
    ASSERT_TRUE(reader.Open(path.string(), File::modeRead));
    char buffer[4] = {};
    EXPECT_EQ(reader.Read(buffer, 3), 3u);
    EXPECT_STREQ(buffer, "New");
}

TEST(File, CreateMakesANewFileWithTheGivenName) {
    orbtest::TempDir dir;
    File file;
    ASSERT_TRUE(file.Open(dir.Str() + "\\README.txt", File::modeCreate));
    file.Close();
    EXPECT_TRUE(std::filesystem::exists(dir.Path() / "README.txt"));
}

}  // namespace
