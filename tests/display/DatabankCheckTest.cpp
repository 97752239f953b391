// The databank checker: each fault it names, at its line, and files that
// pass. A user's file is held only to what hides or garbles records; the
// installed one to its editorial rules as well.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "display/DatabankCheck.h"

namespace orb {
namespace {

std::string Join(const std::vector<DatabankProblem>& problems) {
    std::string all;
    for (const DatabankProblem& problem : problems) {
        all += Describe(problem) + "\n";
    }
    return all;
}

struct Case {
    const char* name;
    std::string bytes;
    const char* expected;  // a line of the report, whole
};

void ExpectReports(const Case& c, DatabankProfile profile) {
    const std::vector<DatabankProblem> problems = CheckDatabank(c.bytes, profile);
    const std::string all = Join(problems);
    EXPECT_NE(("\n" + all).find("\n" + std::string(c.expected) + "\n"), std::string::npos)
        << c.name << ": expected \"" << c.expected << "\", got:\n"
        << all;
}

const std::string kGood = "20 JUL 1969 AD\nApollo 11 lands on the Moon\n";

TEST(DatabankCheck, ErrorsRefuseTheFile) {
    const Case cases[] = {
        {"empty", "", "error: the file is empty"},
        {"too large", std::string(kLargestDatabank + 1, 'x'),
         "error: the file holds more than 1,048,576 bytes, the most a databank may hold"},
        {"zero byte inside", kGood + std::string("1970\nA\0B\n", 9),
         "line 4: error: a zero byte; nothing after it would be read"},
        {"Latin-1", kGood + "1810 AD\nBol\xedvar\n", "line 4: error: not UTF-8 text (byte 237)"},
        {"cut sequence", "1969\nA\xe2\x80", "line 2: error: not UTF-8 text (byte 226)"},
    };
    for (const Case& c : cases) {
        ExpectReports(c, DatabankProfile::kOwn);
        EXPECT_TRUE(HasError(CheckDatabank(c.bytes, DatabankProfile::kOwn))) << c.name;
    }
}

TEST(DatabankCheck, WarningsSayWhatWillNotShowOrShowsWrongly) {
    const std::string longWord(120, 'w');
    const Case cases[] = {
        {"no year", kGood + "Summer\nA picnic\n",
         "line 3: warning: the date line gives no year, so its record never shows"},
        {"empty date line", kGood + "\nA text\n1970\nB\n",
         "line 3: warning: the date line gives no year, so its record never shows"},
        {"thousands comma", "2,500 BC\nPyramids\n",
         "line 1: warning: the year reads as 500 BC: a comma or a point ends it"},
        {"decimal point", "2.5 Mya\nStone tools\n",
         "line 1: warning: the year reads as 5 Mya: a comma or a point ends it"},
        {"comma before zeros", "10,000 BC\nFarming\n",
         "line 1: warning: the year holds a comma or a point, so it reads as no year and its "
         "record never shows"},
        {"letters outside ASCII",
         "c. 1600 a.\xc2\xa0"
         "C.\nX\n1600 AD\nY\n",
         "line 1: warning: letters outside ASCII in the date line stop the year reader"},
        {"tab", "1969\tAD\nApollo\n", "line 1: warning: a tab in the date line; write a blank"},
        {"byte-order mark", "\xef\xbb\xbf" + kGood,
         "line 1: warning: a byte-order mark begins the file and shows before the first date"},
        {"long date", std::string(200, 'x') + " 1969 AD\nA\n",
         "line 1: warning: the date line is longer than 196 characters; the rest is not read"},
        {"long text", "1969\n" + std::string(150, 'y') + " " + std::string(60, 'z') + "\n",
         "line 2: warning: the text is longer than 199 characters; the rest is not shown"},
        {"no blank to break at", "1969\n" + longWord + " end\n",
         "line 2: warning: a text of 100 characters or more needs a blank among its first 101 "
         "to break at"},
        {"odd number of lines", kGood + "1970 AD\n",
         "line 3: warning: an odd number of lines: this date line has no text line"},
        {"empty text", "1969\n\n1970\nB\n", "line 2: warning: the text line is empty"},
        {"beyond the range", "16000000000 AD\nFar\n",
         "line 1: warning: the year lies beyond 15,000,000,000 years, where travel never goes"},
        {"only padding", "\n\n\n\n", "warning: the file holds no records"},
    };
    for (const Case& c : cases) {
        ExpectReports(c, DatabankProfile::kOwn);
        EXPECT_FALSE(HasError(CheckDatabank(c.bytes, DatabankProfile::kOwn))) << c.name;
    }
}

TEST(DatabankCheck, SoundFilesPass) {
    std::string ninetyNine;
    for (int i = 0; i < 99; ++i) {
        ninetyNine += "\xc3\xa9";  // 99 characters, 198 bytes: one line
    }
    const std::string breakable = std::string(100, 'b') + " " + std::string(50, 'c');
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"LF", kGood},
        {"CR LF", "20 JUL 1969 AD\r\nApollo 11\r\n"},
        {"no final line end", "1969 AD\nApollo"},
        {"UTF-8 texts",
         "1810 AD\nBol\xc3\xadvar \xe2\x80\x94 \xe2\x80\x9cLibertador\xe2\x80\x9d\n"},
        {"99 letters of two bytes", "1969\n" + ninetyNine + "\n"},
        {"a blank at character 101", "1969\n" + breakable + "\n"},
        {"padding at the end", kGood + "\n\n\n \n"},
        {"zero bytes at the end", kGood + std::string(10, '\0')},
        {"out of order and marks anywhere", "2000\n!Marked past\n1969\nEarlier\n"},
    };
    for (const auto& c : cases) {
        const std::vector<DatabankProblem> problems = CheckDatabank(c.bytes, DatabankProfile::kOwn);
        EXPECT_TRUE(problems.empty()) << c.name << ":\n" << Join(problems);
    }
}

// The installed databank's rules, on broken samples: each is reported.
TEST(DatabankCheck, TheInstalledProfileHoldsTheEditorialRules) {
    const std::string good = "20 JUL 1969 AD\r\nApollo 11\r\n";
    const Case cases[] = {
        {"bare LF", "1969 AD\nApollo 11\r\n",
         "line 1: error: the line ends in LF alone; CR LF it must be"},
        {"byte above 127", "1969 AD\r\nApollo \xc3\xa9\r\n",
         "line 2: error: byte 195 is not printable 7-bit text"},
        {"order", good + "66 Mya\r\nChicxulub\r\n", "line 3: error: out of chronological order"},
        {"past marker", "1969 AD\r\n!Apollo 11\r\n",
         "line 2: error: a probability mark on a past event"},
        {"future without marker", "2061 AD\r\nHalley\r\n",
         "line 2: error: a future event without a probability mark"},
        {"future without a text line", "2061 AD",
         "line 1: error: a future event without a probability mark"},
        {"text after padding", good + "\r\n\r\nstray\r\n",
         "line 5: error: text after the last record"},
        {"record past the buffer", std::string(31125, 'x') + " 1969 AD\r\nA\r\n",
         "line 2: error: the last record ends at byte 31138, past the 31,125 the viewer reads"},
        {"a last date line past the buffer", std::string(31130, 'x') + " 1969 AD",
         "line 1: error: the last record ends at byte 31138, past the 31,125 the viewer reads"},
    };
    for (const Case& c : cases) {
        ExpectReports(c, DatabankProfile::kShipped);
        // A user's file may do each of these.
        EXPECT_FALSE(HasError(CheckDatabank(c.bytes, DatabankProfile::kOwn))) << c.name;
    }
    const std::vector<DatabankProblem> none =
        CheckDatabank(good + "2061 AD\r\n!Halley\r\n\r\n\r\n \r\n", DatabankProfile::kShipped);
    EXPECT_TRUE(none.empty()) << Join(none);
    // Padding alone: no records, and nothing after them but empty lines.
    EXPECT_EQ(Join(CheckDatabank("\r\n\r\n", DatabankProfile::kShipped)),
              "warning: the file holds no records\n");
}

TEST(DatabankCheck, DescribesAProblemAloneOrAsCompilersDo) {
    const struct {
        DatabankProblem problem;
        const char* file;
        const char* text;
    } cases[] = {
        {{false, 12, "x"}, "", "line 12: warning: x"},
        {{true, 0, "y"}, "", "error: y"},
        {{false, 3, "z"}, "my.dat", "my.dat:3: warning: z"},
        {{true, 0, "w"}, "my.dat", "my.dat: error: w"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Describe(c.problem, c.file), c.text);
    }
}

TEST(DatabankCheck, ListsTheFirstProblemsAndCountsTheRest) {
    std::vector<DatabankProblem> problems;
    for (std::size_t line = 1; line <= 12; ++line) {
        problems.push_back({false, line, "p" + std::to_string(line)});
    }
    const std::string twelve = ListProblems(problems, 10);
    EXPECT_EQ(twelve.rfind("line 1: warning: p1\n", 0), 0u);
    EXPECT_NE(twelve.find("line 10: warning: p10\nand 2 more problems\n"), std::string::npos);
    EXPECT_EQ(twelve.find("p11"), std::string::npos);
    problems.resize(11);
    EXPECT_NE(ListProblems(problems, 10).find("p10\nand 1 more problem\n"), std::string::npos);
    problems.resize(10);
    EXPECT_EQ(ListProblems(problems, 10).find("more"), std::string::npos);
    EXPECT_EQ(ListProblems({}, 10), "");
}

}  // namespace
}  // namespace orb
