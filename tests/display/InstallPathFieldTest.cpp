#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "../support/InstalledField.h"
#include "COrbView.h"
#include "InstallPathField.h"

namespace orb {
namespace {

using Field = orbtest::InstalledField;

struct FieldCase {
    std::string stored;
    std::string directory;
    std::string eventsPath;
};

class FieldTest : public ::testing::TestWithParam<FieldCase> {};

TEST_P(FieldTest, ReadsTheDirectoryAndTerminatesTheField) {
    Field field(GetParam().stored);
    const std::string directory = TakeInstallDirectory(field.bytes);
    EXPECT_EQ(directory, GetParam().directory);
    EXPECT_STREQ(field.bytes, GetParam().directory.c_str());
    EXPECT_EQ(COrbView::EventsPath(directory), GetParam().eventsPath);
}

INSTANTIATE_TEST_SUITE_P(
    Installs, FieldTest,
    ::testing::Values(FieldCase{"", "", "\\DATA\\EVENTS.DAT"},
                      FieldCase{"C:\\AL", "C:\\AL", "C:\\AL\\DATA\\EVENTS.DAT"},
                      FieldCase{"C:", "C:", "C:\\DATA\\EVENTS.DAT"},
                      FieldCase{"D:\\GAMES", "D:\\GAMES", "D:\\GAMES\\DATA\\EVENTS.DAT"},
                      FieldCase{"/home/ann/orbilon", "/home/ann/orbilon",
                                "/home/ann/orbilon\\DATA\\EVENTS.DAT"},
                      FieldCase{std::string(109, 'x'), std::string(109, 'x'),
                                std::string(109, 'x') + "\\DATA\\EVENTS.DAT"}));

TEST(InstallPathField, ScanNeverPassesTheLastPosition) {
    // A damaged field with no '?' at all reads as its 110 characters.
    Field field(std::string(110, 'y'));
    EXPECT_EQ(TakeInstallDirectory(field.bytes), std::string(110, 'y'));
    Field nul("");
    nul.bytes[0] = '\0';
    EXPECT_EQ(TakeInstallDirectory(nul.bytes), "");
}

}  // namespace
}  // namespace orb
