#include <gtest/gtest.h>

#include <string>

#include "setup/install/InstallDirectory.h"

namespace {

TEST(CheckInstallDirectory, TakesAbsoluteAndHomeDirectoriesAndRefusesTheRest) {
    const std::string p109 = "/" + std::string(108, 'p');
    const struct {
        std::string typed, home;
        bool ok;
        std::string expected;  // the directory, or a word of the problem
    } cases[] = {
        {"/opt/orbilon", "/home/al", true, "/opt/orbilon"},
        // One trailing separator goes, of either kind; a second one stays.
        {"/opt/orbilon/", "/home/al", true, "/opt/orbilon"},
        {"/opt/orbilon\\", "/home/al", true, "/opt/orbilon"},
        {"/opt/orbilon//", "/home/al", true, "/opt/orbilon/"},
        {"\\opt\\orbilon", "/home/al", true, "\\opt\\orbilon"},
        // The root is the empty directory.
        {"/", "/home/al", true, ""},
        {"~", "/home/al", true, "/home/al"},
        {"~/", "/home/al", true, "/home/al"},
        {"~/games/orbilon/", "/home/al", true, "/home/al/games/orbilon"},
        {"~\\games", "/home/al", true, "/home/al\\games"},
        {"~/games", "/home/al/", true, "/home/al/games"},
        {"~", "/", true, ""},
        {"~/games", "/", true, "/games"},
        // 109 characters fit, counted after the separator is removed.
        {p109, "", true, p109},
        {p109 + "/", "", true, p109},
        {"~/" + std::string(100, 'h'), "/home/al", true, "/home/al/" + std::string(100, 'h')},

        {"", "/home/al", false, "Enter"},
        {"orbilon", "/home/al", false, "full path"},
        {"games/orbilon", "/home/al", false, "full path"},
        {"./orbilon", "/home/al", false, "full path"},
        {"C:\\ORBILON", "/home/al", false, "full path"},
        {"~al/orbilon", "/home/al", false, "full path"},
        {"~", "", false, "home"},
        {"~/games", "relative/home", false, "home"},
        // Bytes are counted, and said to be: an a-umlaut takes two.
        {p109 + "p", "", false, "110 bytes"},
        {p109 + "p/", "", false, "110 bytes"},
        {"~/" + std::string(101, 'h'), "/home/al", false, "110 bytes"},
        {"/" + std::string(107, 'p') + "\xc3\xa4", "", false, "outside ASCII"},
        {"/" + std::string(106, 'p') + "\xc3\xa4", "", true,
         "/" + std::string(106, 'p') + "\xc3\xa4"},
        // A name no menu entry can carry, and no window can show.
        {"/opt/orb\tilon", "", false, "control characters"},
        {"/opt/orb\nilon", "", false, "control characters"},
        {"~/orb\x7f", "/home/al", false, "control characters"},
        {"/opt/\x1b[31m", "", false, "control characters"},
        {"/opt/what?", "", false, "'?'"},
        {"~/?", "/home/al", false, "'?'"},
        {std::string("/opt/a\0b", 8), "", false, "'?'"},
    };
    for (const auto& c : cases) {
        const orbsetup::DirectoryCheck check =
            orbsetup::CheckInstallDirectory(c.typed, {c.home, ""});
        EXPECT_EQ(check.ok, c.ok) << c.typed << ": " << check.problem;
        if (c.ok) {
            EXPECT_EQ(check.directory, c.expected) << c.typed;
            EXPECT_TRUE(check.problem.empty()) << c.typed;
        } else {
            EXPECT_TRUE(check.directory.empty()) << c.typed;
            EXPECT_NE(check.problem.find(c.expected), std::string::npos)
                << c.typed << ": " << check.problem;
        }
    }
}

}  // namespace
