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

TEST(EventRecords, BytesOutsidePrintableAsciiEndALine) {
    // The byte after a line's end is skipped as its line feed, whatever it is.
    const std::vector<Seen> seen = Walk(
        "1969 AD\xE9\x41Moon\x01xNext\r\nText\x80\x80"
        "1970\x7F\r\n");
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0], (Seen{"1969 AD", "Moon", true, 1969}));
    EXPECT_EQ(seen[1].date, "Next");
    EXPECT_EQ(seen[1].text, "Text");  // 128 ends a line
    EXPECT_FALSE(seen[1].hasYear);
    EXPECT_EQ(seen[2].date, "1970\x7F");  // 127 does not
}

}  // namespace
}  // namespace orb
