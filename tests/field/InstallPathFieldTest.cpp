#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "field/InstallPathField.h"
#include "support/InstalledField.h"

namespace orb {
namespace {

using Field = orbtest::InstalledField;

struct FieldCase {
    std::string stored;
    std::string directory;
};

class FieldTest : public ::testing::TestWithParam<FieldCase> {};

TEST_P(FieldTest, ReadsTheDirectoryAndTerminatesTheField) {
    Field field(GetParam().stored);
    const std::string directory = TakeInstallDirectory(field.bytes);
    EXPECT_EQ(directory, GetParam().directory);
    EXPECT_STREQ(field.bytes, GetParam().directory.c_str());
}

INSTANTIATE_TEST_SUITE_P(
    Installs, FieldTest,
    ::testing::Values(FieldCase{"", ""}, FieldCase{"x", "x"}, FieldCase{"C:\\AL", "C:\\AL"},
                      FieldCase{"C:", "C:"}, FieldCase{"D:\\GAMES", "D:\\GAMES"},
                      FieldCase{"/home/ann/orbilon", "/home/ann/orbilon"},
                      FieldCase{std::string(109, 'x'), std::string(109, 'x')}));

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
