// The viewer's desktop entry: its text, its escaping, its file name, and the
// user's applications folder it goes into.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "setup/install/ApplicationsFolder.h"
#include "setup/install/DesktopEntry.h"
#include "support/DesktopFileValidate.h"

namespace {

using orbsetup::DesktopEntryPlaces;
using orbsetup::DesktopEntryText;

DesktopEntryPlaces PlacesIn(const std::string& directory) {
    return DesktopEntryPlaces{directory, directory + "/orb.exe", directory + "/orbilon.png"};
}

// The line of `text` that starts with `key` and '='.
std::string Line(const std::string& text, const std::string& key) {
    const std::size_t at = text.find("\n" + key + "=");
    if (at == std::string::npos) {
        return "(no " + key + ")";
    }
    return text.substr(at + 1, text.find('\n', at + 1) - at - 1);
}

TEST(DesktopEntryText, NamesTheViewerItsDirectoryAndItsIcon) {
    EXPECT_EQ(DesktopEntryText(PlacesIn("/opt/orbilon")),
              "[Desktop Entry]\n"
              "Type=Application\n"
              "Version=1.0\n"
              "Name=Orbilon (/opt/orbilon)\n"
              "Comment=Orbilon installed in /opt/orbilon\n"
              "Exec=\"/opt/orbilon/orb.exe\"\n"
              "Path=/opt/orbilon\n"
              "Icon=/opt/orbilon/orbilon.png\n"
              "Categories=Education;History;\n"
              "Terminal=false\n"
              "X-Orbilon-Directory=/opt/orbilon\n");
}

// Exec is read twice: as a string, where a backslash escapes, then as a
// command line, where ", `, $ and \ are escaped within quotes and % starts a
// field code. So a backslash in the path is four in the file.
TEST(DesktopEntryText, EscapesEachPathByTheRulesOfItsKey) {
    const struct {
        std::string directory;
        std::string exec;
        std::string path;
    } cases[] = {
        {"/home/ann/My Games", R"(Exec="/home/ann/My Games/orb.exe")", "Path=/home/ann/My Games"},
        {R"(/q"uote)", R"(Exec="/q\\"uote/orb.exe")", R"(Path=/q"uote)"},
        {R"(/back\slash)", R"(Exec="/back\\\\slash/orb.exe")", R"(Path=/back\\slash)"},
        {"/$HOME", R"(Exec="/\\$HOME/orb.exe")", "Path=/$HOME"},
        {"/tick`s", R"(Exec="/tick\\`s/orb.exe")", "Path=/tick`s"},
        // A launcher looks for the program before it reads %% as %: the shell
        // is handed the path and runs it.
        {"/100%", R"(Exec=/bin/sh -c "exec \\"\\$0\\"" "/100%%/orb.exe")", "Path=/100%"},
        {"/%f", R"(Exec=/bin/sh -c "exec \\"\\$0\\"" "/%%f/orb.exe")", "Path=/%f"},
        {"/it's; a|b&c", R"(Exec="/it's; a|b&c/orb.exe")", "Path=/it's; a|b&c"},
        {"/Zeitreise/\xc3\xa4ra", "Exec=\"/Zeitreise/\xc3\xa4ra/orb.exe\"",
         "Path=/Zeitreise/\xc3\xa4ra"},
    };
    for (const auto& c : cases) {
        const std::string text = DesktopEntryText(PlacesIn(c.directory));
        EXPECT_EQ(Line(text, "Exec"), c.exec) << c.directory;
        EXPECT_EQ(Line(text, "Path"), c.path) << c.directory;
        EXPECT_EQ(Line(text, "Icon"), "Icon=" + c.path.substr(5) + "/orbilon.png") << c.directory;
        EXPECT_EQ(Line(text, "Comment"), "Comment=Orbilon installed in " + c.path.substr(5))
            << c.directory;
        EXPECT_EQ(Line(text, "Name"), "Name=Orbilon (" + c.path.substr(5) + ")") << c.directory;
        EXPECT_EQ(orbtest::DesktopFileComplaints(text), "") << c.directory;
        // The directory reads back from the entry as it went in.
        EXPECT_EQ(orbsetup::DesktopEntryDirectory(text), c.directory);
    }
}

TEST(DesktopEntryDirectory, ReadsThisProgramsKeyOfTheEntryGroupOnly) {
    const struct {
        std::string text;
        std::optional<std::string> directory;
    } cases[] = {
        {"[Desktop Entry]\nX-Orbilon-Directory=/opt/orbilon\n", "/opt/orbilon"},
        {"[Desktop Entry]\nX-Orbilon-Directory = /opt/orbilon\n", "/opt/orbilon"},
        // A name may end in a blank; escapes are read back.
        {"[Desktop Entry]\nX-Orbilon-Directory=/opt/trail \n", "/opt/trail "},
        {"[Desktop Entry]\nX-Orbilon-Directory=/a\\sb\\\\c\\td\n", "/a b\\c\td"},
        {"[Desktop Entry]\nX-Orbilon-Directory=/last", "/last"},
        {"[Desktop Entry]\nExec=/opt/orbilon/orb.exe\n", std::nullopt},
        {"[Desktop Action more]\nX-Orbilon-Directory=/opt/orbilon\n", std::nullopt},
        {"[Desktop Entry]\nX-Orbilon-Directory-Old=/opt/orbilon\n", std::nullopt},
        {"[Desktop Entry]\n# X-Orbilon-Directory=/opt/orbilon\n", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(orbsetup::DesktopEntryDirectory(c.text), c.directory) << c.text;
    }
}

TEST(DesktopEntryProblem, RefusesWhatAnEntryCannotHold) {
    const struct {
        std::string path;
        bool ok;
    } cases[] = {
        {"/opt/orbilon", true},
        {"/home/ann/My Games/100% $\"`\\", true},
        {"/\xc3\xa4\xe2\x82\xac\xf0\x9f\x95\xb0", true},  // a-umlaut, euro, a clock: 2, 3, 4 bytes
        {"/\xc3\x80\xf4\x8f\xbf\xbf", true},  // A-grave and U+10FFFF: the continuation bytes' ends
        {"/a\nb", false},
        {"/a\tb", false},
        {"/a\x7f", false},
        {"/\x80", false},              // a continuation byte alone
        {"/\xc3", false},              // a sequence cut short
        {"/\xc3(", false},             // a lead byte without its continuation
        {"/\xc0\xaf", false},          // an overlong '/'
        {"/\xe0\x80\xaf", false},      // the same in three bytes
        {"/\xed\xa0\x80", false},      // a surrogate
        {"/\xf4\x90\x80\x80", false},  // beyond U+10FFFF
        {"/\xff", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(orbsetup::DesktopEntryProblem(c.path).empty(), c.ok)
            << ::testing::PrintToString(c.path);
    }
    EXPECT_NE(orbsetup::DesktopEntryProblem("/\xff").find("UTF-8"), std::string::npos);
    EXPECT_NE(orbsetup::DesktopEntryProblem("/a\nb").find("control"), std::string::npos);
}

TEST(DesktopEntryFileName, IsAShortHashOfTheDirectory) {
    // FNV-1a's published values for "" and "a".
    EXPECT_EQ(orbsetup::DesktopEntryFileName(""), "orbilon-811c9dc5.desktop");
    EXPECT_EQ(orbsetup::DesktopEntryFileName("a"), "orbilon-e40c292c.desktop");
    const std::string name = orbsetup::DesktopEntryFileName("/home/ann/orbilon");
    ASSERT_EQ(name.size(), 24u) << name;
    EXPECT_EQ(name.substr(0, 8), "orbilon-");
    EXPECT_EQ(name.substr(8, 8).find_first_not_of("0123456789abcdef"), std::string::npos) << name;
    EXPECT_EQ(name.substr(16), ".desktop");
    EXPECT_NE(name, orbsetup::DesktopEntryFileName("/home/ann/orbilon2"));
    EXPECT_NE(name, orbsetup::DesktopEntryFileName("/home/ann/Orbilon"));
}

TEST(UserApplicationsFolder, FollowsXdgDataHomeThenHome) {
    const struct {
        const char* xdgDataHome;
        const char* home;
        std::optional<std::string> folder;
    } cases[] = {
        {"/data", "/home/ann", "/data/applications"},
        {"/data/", "/home/ann", "/data/applications"},
        {nullptr, "/home/ann", "/home/ann/.local/share/applications"},
        {nullptr, "/home/ann/", "/home/ann/.local/share/applications"},
        {"", "/home/ann", "/home/ann/.local/share/applications"},
        // A relative XDG_DATA_HOME is to be ignored.
        {"data", "/home/ann", "/home/ann/.local/share/applications"},
        {"/", nullptr, "/applications"},
        {nullptr, "/", "/.local/share/applications"},
        {nullptr, nullptr, std::nullopt},
        {"", "", std::nullopt},
        {"data", "home", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(orbsetup::UserApplicationsFolder(c.xdgDataHome, c.home), c.folder)
            << (c.xdgDataHome ? c.xdgDataHome : "(unset)") << " " << (c.home ? c.home : "(unset)");
    }
}

}  // namespace
