#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "display/EventRecords.h"

namespace orb {
namespace {

struct Seen {
    std::string date;
    std::string text;
    bool hasYear;
    std::int64_t year;
    bool operator==(const Seen& o) const {
        return date == o.date && text == o.text && hasYear == o.hasYear && year == o.year;
    }
};

std::ostream& operator<<(std::ostream& out, const Seen& s) {
    return out << "[" << s.date << "|" << s.text << "|" << s.hasYear << "|" << s.year << "]";
}

std::vector<Seen> Walk(const std::string& bytes) {
    const std::vector<std::uint8_t> data(bytes.begin(), bytes.end());
    EventRecords records(data.data(), data.size());
    std::vector<Seen> seen;
    EventRecord record;
    while (records.Next(&record)) {
        seen.push_back({std::string(record.date), std::string(record.text), record.when.hasYear,
                        record.when.year});
    }
    return seen;
}

TEST(EventRecords, ReadsRecordsOfADateLineAndATextLine) {
    EXPECT_EQ(Walk("20 JUL 1969 AD\r\nMoon landing\r\nc. 3000 BC\r\n!Writing\r\n65 Mya\r\n"
                   "&Impact\r\n1969\r\nBare year\r\n"),
              (std::vector<Seen>{{"20 JUL 1969 AD", "Moon landing", true, 1969},
                                 {"c. 3000 BC", "!Writing", true, -3000},
                                 {"65 Mya", "&Impact", true, -65000000},
                                 {"1969", "Bare year", true, 1969}}));
}

TEST(EventRecords, EndAtTheFirstZeroByteOrTheEndOfTheData) {
    const std::string one = "1969\r\nMoon\r\n";
    EXPECT_EQ(Walk(one + std::string(20, '\0') + "2000\r\nLater\r\n").size(), 1u);
    EXPECT_EQ(Walk(one + "2000\r\nLa" + std::string("\0ter\r\n", 6)),
              (std::vector<Seen>{{"1969", "Moon", true, 1969}, {"2000", "La", true, 2000}}));
    // Cut off inside the text, right after the date's line end, inside the date.
    EXPECT_EQ(Walk("1969\r\nMoo"), (std::vector<Seen>{{"1969", "Moo", true, 1969}}));
    EXPECT_EQ(Walk("1969\r"), (std::vector<Seen>{{"1969", "", true, 1969}}));
    EXPECT_EQ(Walk("1969\r\n"), (std::vector<Seen>{{"1969", "", true, 1969}}));
    EXPECT_EQ(Walk("19"), (std::vector<Seen>{{"19", "", true, 19}}));
    EXPECT_EQ(Walk(std::string("1969\r\0Moon\r\n", 12)),
              (std::vector<Seen>{{"1969", "", true, 1969}}));
    EXPECT_TRUE(Walk("").empty());
    EXPECT_TRUE(Walk(std::string(5, '\0')).empty());
}

TEST(EventRecords, DateLinesWithoutAYearNeverBorrowOne) {
    const std::vector<Seen> seen = Walk("1969\r\nMoon\r\nSometime?\r\nNo year\r\n");
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_FALSE(seen[1].hasYear);
}

TEST(EventRecords, LongLinesAreCutAtTheLimits) {
    const std::string longDate = std::string(250, 'x') + " 1969 AD";
    const std::string longText = std::string(250, 'y');
    const std::vector<Seen> seen = Walk(longDate + "\r\n" + longText + "\r\n2000\r\nNext\r\n");
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].date, std::string(196, 'x'));
    EXPECT_FALSE(seen[0].hasYear);  // the year lay beyond the limit
    EXPECT_EQ(seen[0].text, std::string(199, 'y'));
    EXPECT_EQ(seen[1], (Seen{"2000", "Next", true, 2000}));  // the walk goes on in step
}

TEST(EventRecords, LinesEndAtLineFeedsAndKeepEveryOtherByte) {
    const struct {
        const char* name;
        std::string bytes;
        std::vector<Seen> seen;
    } cases[] = {
        {"LF only",
         "1969 AD\nMoon\n2000\nLater\n",
         {{"1969 AD", "Moon", true, 1969}, {"2000", "Later", true, 2000}}},
        {"LF and CR LF mixed",
         "1969 AD\r\nMoon\n2000\nLater\r\n",
         {{"1969 AD", "Moon", true, 1969}, {"2000", "Later", true, 2000}}},
        {"UTF-8 letters",
         "1810 AD\nBol\xc3\xadvar \xe2\x80\x94 \xe2\x80\x9cLibertador\xe2\x80\x9d\n",
         {{"1810 AD", "Bol\xc3\xadvar \xe2\x80\x94 \xe2\x80\x9cLibertador\xe2\x80\x9d", true,
           1810}}},
        {"invalid bytes stay",
         "1969 AD\r\nCaf\xe9\x80\r\n",
         {{"1969 AD", "Caf\xe9\x80", true, 1969}}},
        {"tab and other controls stay",
         "1969\tAD\r\nA\x01"
         "B\x7f\r\n",
         {{"1969\tAD",
           "A\x01"
           "B\x7f",
           true, 1969}}},
        {"a lone CR inside a line", "1969 AD\rx\nText\n", {{"1969 AD\rx", "Text", false, 0}}},
        {"empty lines are records with no year",
         "\n\n1969\nMoon\n",
         {{"", "", false, 0}, {"1969", "Moon", true, 1969}}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Walk(c.bytes), c.seen) << c.name;
    }
}

// The limits count characters: 196 and 199 of them, however many bytes, and
// a character is never split.
TEST(EventRecords, LimitsCountCharactersAndNeverSplitOne) {
    std::string date;
    for (int i = 0; i < 200; ++i) {
        date += "\xc3\xa9";  // é
    }
    std::string text = "x";
    for (int i = 0; i < 250; ++i) {
        text += "\xe2\x80\x94";  // —
    }
    const std::vector<Seen> seen = Walk(date + "\n" + text + "\n1970\nNext\n");
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].date, date.substr(0, 2 * 196));
    EXPECT_EQ(seen[0].text, text.substr(0, 1 + 3 * 198));
    EXPECT_EQ(seen[1], (Seen{"1970", "Next", true, 1970}));
}

}  // namespace
}  // namespace orb
