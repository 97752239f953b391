#include <gtest/gtest.h>

#include <filesystem>

#include "platform/Path.h"
#include "support/TempDir.h"

namespace {

TEST(ResolvePath, MatchesExistingComponentsWithoutRegardToCase) {
    orbtest::TempDir dir;
    dir.Write("data/EVENTS.dat", "x");
    dir.Write("ABCD.wav", "x");
    const std::string base = dir.Str();
    const struct {
        std::string in;
        std::string out;
    } cases[] = {
        {base + "\\DATA\\EVENTS.DAT", base + "/data/EVENTS.dat"},
        {base + "/data/events.DAT", base + "/data/EVENTS.dat"},
        {base + "\\abcd.wav", base + "/ABCD.wav"},
        // New names keep the spelling they are given.
        {base + "\\DATA\\NEW.TXT", base + "/data/NEW.TXT"},
        {base + "\\MISSING\\X", base + "/MISSING/X"},
        // Repeated separators collapse.
        {base + "\\\\data//EVENTS.dat", base + "/data/EVENTS.dat"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(platform::ResolvePath(c.in), c.out) << c.in;
    }
}

TEST(ResolvePath, ExactSpellingWinsOverOthers) {
    orbtest::TempDir dir;
    dir.Write("Data/a", "1");
    dir.Write("data/a", "2");
    dir.Write("DATA/a", "3");
    EXPECT_EQ(platform::ResolvePath(dir.Str() + "\\data\\a"), dir.Str() + "/data/a");
    // No exact match: the first spelling in byte order.
    EXPECT_EQ(platform::ResolvePath(dir.Str() + "\\dAtA\\a"), dir.Str() + "/DATA/a");
}

TEST(ResolvePath, LeadingSeparatorMeansTheRoot) {
    EXPECT_EQ(platform::ResolvePath("\\"), "/");
    EXPECT_EQ(platform::ResolvePath("\\TMP"), "/tmp");
    EXPECT_EQ(platform::ResolvePath("relative\\name"), "relative/name");
    EXPECT_EQ(platform::ResolvePath(""), ".");
}

TEST(CreateDirectory, MakesOneLevelOnly) {
    orbtest::TempDir dir;
    EXPECT_TRUE(platform::CreateDirectory(dir.Str() + "\\data"));
    EXPECT_TRUE(std::filesystem::is_directory(dir.Path() / "data"));
    EXPECT_FALSE(platform::CreateDirectory(dir.Str() + "\\DATA"));  // exists, any case
    EXPECT_FALSE(platform::CreateDirectory(dir.Str() + "\\a\\b"));
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "a"));
}

}  // namespace
