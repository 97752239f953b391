// What the viewer and its launcher answer without a display, each under the
// name it was started by; what is left to run is handed back.
#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "display/ViewerProgram.h"
#include "platform/CommandLine.h"
#include "support/TempDir.h"

namespace {

struct Answer {
    std::optional<int> status;
    std::string out;
    std::string err;
    platform::CommandLineDecision decided;
};

Answer AnswerTo(const std::vector<std::string>& words) {
    std::vector<const char*> argv;
    for (const std::string& word : words) {
        argv.push_back(word.c_str());
    }
    std::ostringstream out;
    std::ostringstream err;
    Answer answer;
    answer.status = orb::AnswerViewerCommandLine(static_cast<int>(argv.size()), argv.data(), out,
                                                 err, answer.decided);
    answer.out = out.str();
    answer.err = err.str();
    return answer;
}

TEST(AnswerViewerCommandLine, AnswersWhatNeedsNoDisplayAndHandsBackTheRest) {
    const orbtest::TempDir place;
    const std::string good =
        place.Write("good.dat", "20 JUL 1969 AD\nApollo 11 lands on the Moon\n").string();

    const Answer version = AnswerTo({"/usr/bin/orbilon", "--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("orbilon (Orbilon) ", 0), 0u) << version.out;

    const Answer help = AnswerTo({"orb.exe", "--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("Usage: orb.exe [--help | --version] [DATABANK]\n", 0), 0u)
        << help.out;

    const Answer checked = AnswerTo({"orbilon", "--check-databank", good});
    EXPECT_EQ(checked.status, 0);
    EXPECT_EQ(checked.out, good + ": no problems found\n");

    const Answer unreadable = AnswerTo({"orbilon", "--check-databank", place.Str() + "/none.dat"});
    EXPECT_EQ(unreadable.status, 2);
    EXPECT_EQ(unreadable.out, "");
    EXPECT_NE(unreadable.err, "");

    const Answer refused = AnswerTo({"orbilon", "--fast"});
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.err.rfind("orbilon: unknown option '--fast'\n", 0), 0u) << refused.err;

    const Answer run = AnswerTo({"orbilon", "-style", "fusion", "mine.dat"});
    EXPECT_FALSE(run.status.has_value());
    EXPECT_EQ(run.out + run.err, "");
    EXPECT_EQ(run.decided.action, platform::CommandLineAction::Run);
    EXPECT_EQ(run.decided.file, "mine.dat");
    EXPECT_EQ(run.decided.fileArgument, 3);
}

}  // namespace
