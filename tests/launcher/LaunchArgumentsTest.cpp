// What the launcher hands on: the words as typed, but a relative databank
// made absolute against the directory the user called from.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "display/ViewerProgram.h"
#include "launcher/LaunchArguments.h"
#include "platform/CommandLine.h"
#include "platform/CommandLineAnswer.h"

namespace {

std::vector<std::string> Launched(std::vector<std::string> words, const std::string& caller) {
    std::vector<const char*> argv;
    for (const std::string& word : words) {
        argv.push_back(word.c_str());
    }
    const int argc = static_cast<int>(argv.size());
    const platform::CommandLineDecision decided =
        platform::DecideCommandLine(argc, argv.data(), platform::GrammarOf(orb::ViewerProgram()));
    return orb::LaunchArguments(argc, argv.data(), decided, caller);
}

TEST(LaunchArguments, MakeARelativeDatabankAbsoluteAndKeepEverythingElse) {
    const struct {
        std::vector<std::string> typed;
        std::string caller;
        std::vector<std::string> launched;
    } cases[] = {
        {{"orbilon"}, "/home/al", {"orbilon"}},
        {{"orbilon", "mine.dat"}, "/home/al", {"orbilon", "/home/al/mine.dat"}},
        {{"orbilon", "../b/x.DAT"}, "/home/al/a", {"orbilon", "/home/al/a/../b/x.DAT"}},
        {{"orbilon", "mine.dat"}, "/", {"orbilon", "/mine.dat"}},
        {{"orbilon", "/data/mine.dat"}, "/home/al", {"orbilon", "/data/mine.dat"}},
        {{"orbilon", "-"}, "/home/al", {"orbilon", "/home/al/-"}},
        // Qt's options and their values are the toolkit's, not files.
        {{"/usr/bin/orbilon", "-style", "fusion", "-qwindowtitle", "t", "my data.dat", "-reverse"},
         "/home/al",
         {"/usr/bin/orbilon", "-style", "fusion", "-qwindowtitle", "t", "/home/al/my data.dat",
          "-reverse"}},
        {{"orbilon", "-platform", "offscreen"}, "/home/al", {"orbilon", "-platform", "offscreen"}},
        {{"orbilon", "--check-databank", "x.dat"},
         "/srv",
         {"orbilon", "--check-databank", "/srv/x.dat"}},
        // A line the viewer refuses goes on as it is, to be refused there.
        {{"orbilon", "a.dat", "b.dat"}, "/home/al", {"orbilon", "a.dat", "b.dat"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Launched(c.typed, c.caller), c.launched)
            << ::testing::PrintToString(c.typed) << " from " << c.caller;
    }
}

TEST(LaunchArguments, ANullWordIsHandedOnEmpty) {
    const char* argv[] = {"orbilon", nullptr};
    platform::CommandLineDecision decided;
    EXPECT_EQ(orb::LaunchArguments(2, argv, decided, "/home/al"),
              (std::vector<std::string>{"orbilon", ""}));
    decided.fileArgument = 1;
    EXPECT_EQ(orb::LaunchArguments(2, argv, decided, "/home/al"),
              (std::vector<std::string>{"orbilon", ""}));
    // A position past the words names none of them.
    decided.fileArgument = 2;
    EXPECT_EQ(orb::LaunchArguments(2, argv, decided, "/home/al"),
              (std::vector<std::string>{"orbilon", ""}));
}

}  // namespace
