#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "platform/CommandLine.h"
#include "platform/CommandLineAnswer.h"

namespace {

using platform::CommandLineAction;

struct Args {
    explicit Args(std::vector<std::string> words) : m_words(std::move(words)) {
        for (const std::string& word : m_words) {
            m_argv.push_back(word.c_str());
        }
        m_argv.push_back(nullptr);
    }
    int argc() const { return static_cast<int>(m_words.size()); }
    const char* const* argv() const { return m_argv.data(); }

  private:
    std::vector<std::string> m_words;
    std::vector<const char*> m_argv;
};

const char* Name(CommandLineAction action) {
    switch (action) {
        case CommandLineAction::Run:
            return "Run";
        case CommandLineAction::Help:
            return "Help";
        case CommandLineAction::Version:
            return "Version";
        case CommandLineAction::Refuse:
            return "Refuse";
        case CommandLineAction::FileOption:
            return "FileOption";
    }
    return "?";
}

TEST(DecideCommandLine, ReadsTheArgumentsInOrder) {
    const struct {
        std::vector<std::string> args;
        CommandLineAction action;
        std::string problem;
    } cases[] = {
        {{}, CommandLineAction::Run, ""},
        {{"--help"}, CommandLineAction::Help, ""},
        {{"-h"}, CommandLineAction::Help, ""},
        {{"--version"}, CommandLineAction::Version, ""},
        // The first of them decides, whatever follows.
        {{"--version", "--help"}, CommandLineAction::Version, ""},
        {{"--help", "--bogus"}, CommandLineAction::Help, ""},
        {{"--bogus", "--help"}, CommandLineAction::Refuse, "unknown option '--bogus'"},
        {{"-version"}, CommandLineAction::Refuse, "unknown option '-version'"},
        {{"--HELP"}, CommandLineAction::Refuse, "unknown option '--HELP'"},
        {{"--help=yes"}, CommandLineAction::Refuse, "unknown option '--help=yes'"},
        {{"/opt/orbilon"}, CommandLineAction::Refuse, "unexpected argument '/opt/orbilon'"},
        {{"-"}, CommandLineAction::Refuse, "unexpected argument '-'"},
        {{""}, CommandLineAction::Refuse, "unexpected argument ''"},
        // Qt's options, with one dash or two, pass with their values.
        {{"-platform", "offscreen"}, CommandLineAction::Run, ""},
        {{"--platform", "offscreen", "-display", ":1"}, CommandLineAction::Run, ""},
        {{"-style=fusion", "-reverse", "--sync"}, CommandLineAction::Run, ""},
        {{"-stylesheet", "a.qss", "-geometry", "800x600"}, CommandLineAction::Run, ""},
        // A value is taken as it is, even one that looks like an option.
        {{"-qwindowtitle", "--help"}, CommandLineAction::Run, ""},
        {{"-platform", "offscreen", "--version"}, CommandLineAction::Version, ""},
        {{"-platform"}, CommandLineAction::Refuse, "option '-platform' needs a value"},
        {{"-reverse", "extra"}, CommandLineAction::Refuse, "unexpected argument 'extra'"},
        // Only the two options whose value is joined take one that way.
        {{"-style="}, CommandLineAction::Refuse, "unknown option '-style='"},
        {{"-platform=offscreen"},
         CommandLineAction::Refuse,
         "unknown option '-platform=offscreen'"},
        {{"---platform", "x"}, CommandLineAction::Refuse, "unknown option '---platform'"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> words{"orb"};
        words.insert(words.end(), c.args.begin(), c.args.end());
        const Args args(words);
        const platform::CommandLineDecision decision =
            platform::DecideCommandLine(args.argc(), args.argv());
        const std::string line = ::testing::PrintToString(c.args);
        EXPECT_STREQ(Name(decision.action), Name(c.action)) << line;
        EXPECT_EQ(decision.problem, c.problem) << line;
    }
}

// A program that takes a file, and an option naming one.
TEST(DecideCommandLine, TakesTheGrammarsFileAndFileOption) {
    const platform::CommandLineGrammar grammar{true, "--check"};
    const struct {
        std::vector<std::string> args;
        CommandLineAction action;
        std::string file;
        std::string problem;
    } cases[] = {
        {{"my.dat"}, CommandLineAction::Run, "my.dat", ""},
        {{"-platform", "xcb", "/home/a b/x.DAT"}, CommandLineAction::Run, "/home/a b/x.DAT", ""},
        {{"x.dat", "-reverse"}, CommandLineAction::Run, "x.dat", ""},
        {{"-"}, CommandLineAction::Run, "-", ""},
        {{"-reverse"}, CommandLineAction::Run, "", ""},
        {{"--check", "my.dat"}, CommandLineAction::FileOption, "my.dat", ""},
        {{"-platform", "offscreen", "--check", "-x"}, CommandLineAction::FileOption, "-x", ""},
        {{"--check", "a", "--help"}, CommandLineAction::Help, "", ""},
        {{"a.dat", "b.dat"}, CommandLineAction::Refuse, "", "unexpected argument 'b.dat'"},
        {{"--check", "a", "b"}, CommandLineAction::Refuse, "", "unexpected argument 'b'"},
        {{"a", "--check", "b"}, CommandLineAction::Refuse, "", "option '--check' comes alone"},
        {{"--check", "a", "--check", "b"},
         CommandLineAction::Refuse,
         "",
         "option '--check' comes alone"},
        {{"--check"}, CommandLineAction::Refuse, "", "option '--check' needs a value"},
        {{"-check", "a"}, CommandLineAction::Refuse, "", "unknown option '-check'"},
        {{""}, CommandLineAction::Refuse, "", "unexpected argument ''"},
        {{"-x.dat"}, CommandLineAction::Refuse, "", "unknown option '-x.dat'"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> words{"orb"};
        words.insert(words.end(), c.args.begin(), c.args.end());
        const Args args(words);
        const platform::CommandLineDecision decision =
            platform::DecideCommandLine(args.argc(), args.argv(), grammar);
        const std::string line = ::testing::PrintToString(c.args);
        EXPECT_STREQ(Name(decision.action), Name(c.action)) << line;
        EXPECT_EQ(decision.problem, c.problem) << line;
        if (c.action == CommandLineAction::Run || c.action == CommandLineAction::FileOption) {
            EXPECT_EQ(decision.file, c.file) << line;
            // Where the file stands, so that a launcher can hand on a changed one.
            if (c.file.empty()) {
                EXPECT_EQ(decision.fileArgument, 0) << line;
            } else {
                ASSERT_GT(decision.fileArgument, 0) << line;
                ASSERT_LT(decision.fileArgument, args.argc()) << line;
                EXPECT_EQ(words[static_cast<std::size_t>(decision.fileArgument)], c.file) << line;
            }
        }
    }
    // Without the grammar, the same words are refused.
    const Args file({"setup", "my.dat"});
    EXPECT_EQ(platform::DecideCommandLine(file.argc(), file.argv()).action,
              CommandLineAction::Refuse);
    const Args option({"setup", "--check", "my.dat"});
    EXPECT_EQ(platform::DecideCommandLine(option.argc(), option.argv()).problem,
              "unknown option '--check'");
}

const platform::ProgramInfo kProgram{"orb", "9.8.7", "Travels through time.", "Start it there."};

struct Answer {
    std::optional<int> status;
    std::string out;
    std::string err;
};

Answer AnswerTo(std::vector<std::string> words) {
    const Args args(std::move(words));
    std::ostringstream out;
    std::ostringstream err;
    Answer answer;
    answer.status = platform::AnswerCommandLine(kProgram, args.argc(), args.argv(), out, err);
    answer.out = out.str();
    answer.err = err.str();
    return answer;
}

TEST(AnswerCommandLine, WritesTheVersionOrTheHelpOrTheRefusal) {
    // The version, like the help, names the program as it was started.
    const Answer version = AnswerTo({"/usr/bin/orbilon", "--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "orbilon (Orbilon) 9.8.7\n");
    EXPECT_EQ(version.err, "");
    EXPECT_EQ(AnswerTo({"", "--version"}).out, "orb (Orbilon) 9.8.7\n");

    // The help names the program as it was started.
    const Answer help = AnswerTo({"/opt/orbilon/orb.exe", "-platform", "xcb", "--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("Usage: orb.exe [--help | --version]\nTravels through time.\n"
                             "Start it there.\n",
                             0),
              0u)
        << help.out;
    EXPECT_NE(help.out.find("--version"), std::string::npos);
    EXPECT_NE(help.out.find("-platform NAME"), std::string::npos);
    EXPECT_EQ(help.err, "");

    const Answer refused = AnswerTo({"./orb", "--fast"});
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.out, "");
    EXPECT_EQ(refused.err,
              "orb: unknown option '--fast'\nTry 'orb --help' for more information.\n");

    const Answer run = AnswerTo({"orb", "-platform", "offscreen"});
    EXPECT_FALSE(run.status.has_value());
    EXPECT_EQ(run.out + run.err, "");
}

TEST(AnswerCommandLine, WithoutItsNameTheProgramIsCalledByItsOwn) {
    EXPECT_EQ(AnswerTo({"", "-x"}).err.rfind("orb: unknown option '-x'\nTry 'orb --help'", 0), 0u);
    EXPECT_EQ(platform::UsageText(kProgram, "orb").find("Usage: orb ["), 0u);
    const platform::ProgramInfo noNote{"setup", "1.0.0", "Installs.", nullptr};
    EXPECT_EQ(
        UsageText(noNote, "setup").rfind("Usage: setup [--help | --version]\nInstalls.\n\n", 0),
        0u);
}

TEST(AnswerCommandLine, NamesTheFileAndTheFileOptionInItsHelpAndHandsThemOn) {
    platform::ProgramInfo program = kProgram;
    program.fileName = "DATABANK";
    program.fileHelp = "opens DATABANK";
    program.fileOption = "--check-databank";
    program.fileOptionHelp = "checks FILE";
    EXPECT_EQ(platform::UsageText(program, "orb"),
              "Usage: orb [--help | --version] [DATABANK]\n"
              "       orb --check-databank FILE\n"
              "Travels through time.\nStart it there.\n\n"
              "  DATABANK\n      opens DATABANK\n"
              "  --check-databank FILE\n      checks FILE\n" +
                  platform::UsageText(kProgram, "orb")
                      .substr(platform::UsageText(kProgram, "orb").find("  -h, --help")));
    const Args args({"orb", "--check-databank", "x.dat"});
    std::ostringstream out;
    std::ostringstream err;
    platform::CommandLineDecision decided;
    EXPECT_FALSE(
        platform::AnswerCommandLine(program, args.argc(), args.argv(), out, err, &decided));
    EXPECT_EQ(decided.action, CommandLineAction::FileOption);
    EXPECT_EQ(decided.file, "x.dat");
    EXPECT_EQ(out.str() + err.str(), "");
    // A file named without help is shown in the usage line only.
    platform::ProgramInfo bare = kProgram;
    bare.fileName = "DATABANK";
    const std::string usage = platform::UsageText(bare, "orb");
    EXPECT_EQ(usage.rfind("Usage: orb [--help | --version] [DATABANK]\n", 0), 0u) << usage;
    EXPECT_EQ(usage.find("  DATABANK\n"), std::string::npos) << usage;
    EXPECT_EQ(usage.find("--check"), std::string::npos) << usage;
    // So is a file option named without help; help without its option is nothing.
    platform::ProgramInfo optionOnly = kProgram;
    optionOnly.fileOption = "--check-databank";
    const std::string optionUsage = platform::UsageText(optionOnly, "orb");
    EXPECT_NE(optionUsage.find("       orb --check-databank FILE\n"), std::string::npos)
        << optionUsage;
    EXPECT_EQ(optionUsage.find("  --check-databank FILE\n"), std::string::npos) << optionUsage;
    platform::ProgramInfo helpOnly = kProgram;
    helpOnly.fileOptionHelp = "checks FILE";
    EXPECT_EQ(platform::UsageText(helpOnly, "orb"), platform::UsageText(kProgram, "orb"));
    // Without them in its information, the program refuses both.
    EXPECT_EQ(platform::AnswerCommandLine(kProgram, args.argc(), args.argv(), out, err), 2);
}

TEST(AnswerCommandLine, AnOutputThatCannotBeWrittenFailsTheAnswer) {
    const Args args({"orb", "--version"});
    std::ostringstream out;
    out.setstate(std::ios::badbit);
    std::ostringstream err;
    EXPECT_EQ(platform::AnswerCommandLine(kProgram, args.argc(), args.argv(), out, err), 1);
}

}  // namespace
