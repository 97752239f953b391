// Checks of the delivered events databank, data/EVENTS.DAT, read with the
// viewer's own date parser. The checks are plain functions that list what is
// wrong, so the same code runs on the real file and on broken samples.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "display/EventDate.h"

namespace {

constexpr std::size_t kViewerBytes = 31125;  // what the viewer reads
constexpr std::size_t kMaxDateLine = 196;
constexpr std::size_t kMaxTextLine = 199;
constexpr std::size_t kBreakLength = 100;  // texts this long are broken at a blank
constexpr std::int64_t kYearLimit = 15000000000LL;
constexpr std::int64_t kFirstForecastYear = 2027;
constexpr std::string_view kMarkers = "!@#$%&";

using Problems = std::vector<std::string>;

std::string ReadDatabank() {
    std::ifstream in(ORB_SOURCE_DIR "/data/EVENTS.DAT", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Like the viewer's scanner: control characters and bytes from 128 up end a line.
bool EndsLine(char c) {
    const auto s = static_cast<signed char>(c);
    return s < 32;
}

struct Record {
    std::string date;
    std::string text;
    std::size_t offset = 0;  // first byte of the date line
    std::size_t end = 0;     // just past the CR LF of the text line
};

// Reads two-line records from the start of the data until the first empty
// date line, which begins the padding. Each line must end in CR LF.
std::vector<Record> ReadRecords(std::string_view data, Problems* problems) {
    std::vector<Record> records;
    std::size_t pos = 0;
    auto readLine = [&](std::string* line) {
        std::size_t end = pos;
        while (end < data.size() && !EndsLine(data[end])) {
            ++end;
        }
        *line = std::string(data.substr(pos, end - pos));
        if (data.substr(end, 2) != "\r\n") {
            problems->push_back("line at byte " + std::to_string(pos) + " does not end in CR LF");
            return false;
        }
        pos = end + 2;
        return true;
    };
    while (pos < data.size()) {
        Record record;
        record.offset = pos;
        if (!readLine(&record.date)) {
            break;
        }
        if (record.date.empty()) {
            pos = record.offset;  // the padding starts here
            break;
        }
        if (!readLine(&record.text)) {
            break;
        }
        record.end = pos;
        records.push_back(record);
    }
    return records;
}

// Every byte is printable 7-bit text, a CR followed by LF, or an LF after a CR.
Problems CharacterProblems(std::string_view data) {
    Problems problems;
    for (std::size_t i = 0; i < data.size(); ++i) {
        const auto c = static_cast<unsigned char>(data[i]);
        const bool printable = c >= 32 && c <= 126;
        const bool cr = c == '\r' && i + 1 < data.size() && data[i + 1] == '\n';
        const bool lf = c == '\n' && i > 0 && data[i - 1] == '\r';
        if (!printable && !cr && !lf) {
            problems.push_back("byte " + std::to_string(c) + " at offset " + std::to_string(i));
        }
    }
    return problems;
}

// The records lie inside the viewer's buffer and only empty lines follow them
// (the last may hold one blank to make up an odd byte count).
Problems LayoutProblems(std::string_view data) {
    Problems problems;
    const std::vector<Record> records = ReadRecords(data, &problems);
    if (records.empty()) {
        problems.push_back("no records");
        return problems;
    }
    if (records.back().end > kViewerBytes) {
        problems.push_back("the last record ends at byte " + std::to_string(records.back().end) +
                           ", past the " + std::to_string(kViewerBytes) + " the viewer reads");
    }
    std::string_view tail = data.substr(records.back().end);
    if (tail.size() >= 3 && tail.substr(tail.size() - 3) == " \r\n") {
        tail.remove_suffix(3);
    }
    for (std::size_t i = 0; i < tail.size(); i += 2) {
        if (tail.substr(i, 2) != "\r\n") {
            problems.push_back("text after the last record at byte " +
                               std::to_string(records.back().end + i));
            break;
        }
    }
    return problems;
}

bool HasMarker(const std::string& text) {
    return !text.empty() && kMarkers.find(text[0]) != std::string_view::npos;
}

// Everything the viewer's scanner and painter need from one record, and the
// order of the records.
Problems RecordProblems(const std::vector<Record>& records) {
    Problems problems;
    std::int64_t previous = -kYearLimit;
    for (const Record& record : records) {
        const std::string where = "record \"" + record.date + "\": ";
        const orb::EventDate date = orb::ParseEventDate(record.date);
        if (!date.hasYear || date.year == 0) {
            problems.push_back(where + "no year");
            continue;
        }
        if (date.year < -kYearLimit || date.year > kYearLimit) {
            problems.push_back(where + "year outside the viewer's range");
        }
        if (date.year < previous) {
            problems.push_back(where + "out of chronological order");
        }
        previous = date.year;
        if (record.date.size() > kMaxDateLine) {
            problems.push_back(where + "date line too long");
        }
        if (record.text.empty()) {
            problems.push_back(where + "empty text line");
        }
        if (record.text.size() > kMaxTextLine) {
            problems.push_back(where + "text line too long");
        }
        if (record.text.size() >= kBreakLength &&
            record.text.find(' ') > kBreakLength) {  // npos is larger too
            problems.push_back(where + "long text without a blank to break at");
        }
        const bool forecast = date.year >= kFirstForecastYear;
        if (HasMarker(record.text) != forecast) {
            problems.push_back(where + (forecast ? "future event without a probability marker"
                                                 : "probability marker on a past event"));
        }
    }
    return problems;
}

Problems ProblemsOf(std::string_view data) {
    Problems problems = CharacterProblems(data);
    const Problems layout = LayoutProblems(data);
    problems.insert(problems.end(), layout.begin(), layout.end());
    Problems ignored;
    const Problems records = RecordProblems(ReadRecords(data, &ignored));
    problems.insert(problems.end(), records.begin(), records.end());
    return problems;
}

std::string Join(const Problems& problems) {
    std::string all;
    for (const std::string& p : problems) {
        all += p + "\n";
    }
    return all;
}

class EventsDatabank : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { data_ = new std::string(ReadDatabank()); }
    static void TearDownTestSuite() {
        delete data_;
        data_ = nullptr;
    }
    static std::vector<Record> Records() {
        Problems ignored;
        return ReadRecords(*data_, &ignored);
    }
    static std::string* data_;
};

std::string* EventsDatabank::data_ = nullptr;

TEST_F(EventsDatabank, HoldsOnlyPrintableAsciiAndCrLf) {
    const Problems problems = CharacterProblems(*data_);
    EXPECT_TRUE(problems.empty()) << Join(problems);
}

TEST_F(EventsDatabank, KeepsEveryRecordInsideTheViewersBuffer) {
    const Problems problems = LayoutProblems(*data_);
    EXPECT_TRUE(problems.empty()) << Join(problems);
}

TEST_F(EventsDatabank, RecordsHaveYearsLimitsMarkersAndOrder) {
    const std::vector<Record> records = Records();
    ASSERT_GT(records.size(), 400u);
    const Problems problems = RecordProblems(records);
    EXPECT_TRUE(problems.empty()) << Join(problems);
}

// The viewer's scanner sees exactly these records in its 31,125 bytes: none
// is cut at the buffer's end, and the padding parses as no record at all.
TEST_F(EventsDatabank, ViewerBufferHoldsTheSameRecords) {
    Problems problems;
    const std::vector<Record> all = ReadRecords(*data_, &problems);
    const std::vector<Record> seen =
        ReadRecords(std::string_view(*data_).substr(0, kViewerBytes), &problems);
    EXPECT_TRUE(problems.empty()) << Join(problems);
    ASSERT_EQ(seen.size(), all.size());
    EXPECT_EQ(seen.back().text, all.back().text);
}

// Browsing must find something: pages that are known to be full today must
// not go empty through an edit. A page is the sign of the year and the
// quotient |year| / step, as the viewer matches events.
TEST_F(EventsDatabank, BrowsingFindsEventsOnEveryPageOfTheDenseRanges) {
    struct Range {
        std::int64_t step;
        std::int64_t first;
        std::int64_t last;
    };
    const Range ranges[] = {
        {1, 1900, 2026},                              // every year of the 20th century on
        {10, 1800, 2029},                             // decades since 1800
        {100, -1099, 2099},                           // centuries, 11th BC to 21st AD
        {1000, -10999, 2999},                         // millennia since the ice age
        {1000000000, -13800000000LL, 15000000000LL},  // billions of years, all of time
    };
    std::vector<std::pair<int, std::int64_t>> pages;
    for (const Record& record : Records()) {
        const std::int64_t year = orb::ParseEventDate(record.date).year;
        pages.emplace_back(year > 0 ? 1 : -1, (year < 0 ? -year : year));
    }
    for (const Range& range : ranges) {
        for (std::int64_t year = range.first; year <= range.last; year += range.step) {
            if (year == 0) {
                continue;
            }
            const int sign = year > 0 ? 1 : -1;
            const std::int64_t page = (year < 0 ? -year : year) / range.step;
            bool found = false;
            for (const auto& [s, magnitude] : pages) {
                found = found || (s == sign && magnitude / range.step == page);
            }
            EXPECT_TRUE(found) << "no event at step " << range.step << " for the year " << year;
        }
    }
}

// The checks themselves must see the faults they are meant to catch.
TEST(EventsDatabankChecks, ReportBrokenSamples) {
    const std::string good = "20 JUL 1969 AD\r\nApollo 11\r\n";
    const std::string longText = std::string(120, 'x');
    struct Case {
        const char* name;
        std::string data;
        const char* problem;
    };
    const Case cases[] = {
        {"bare LF", "1969 AD\nApollo 11\r\n", "does not end in CR LF"},
        {"byte above 127", "1969 AD\r\nApollo \xe9\r\n", "at offset"},
        {"no year", "Summer\r\nApollo 11\r\n", "no year"},
        {"empty digit run", "Mya\r\nNothing\r\n", "no year"},
        {"year past the range", "16000000000 AD\r\n!Far\r\n", "outside the viewer's range"},
        {"order", good + "66 Mya\r\nChicxulub\r\n", "out of chronological order"},
        {"past marker", "1969 AD\r\n!Apollo 11\r\n", "marker on a past event"},
        {"future without marker", "2061 AD\r\nHalley\r\n", "without a probability marker"},
        {"long date", std::string(197, 'x') + " 1969 AD\r\nA\r\n", "date line too long"},
        {"long text", "1969 AD\r\n" + std::string(200, 'x') + "\r\n", "text line too long"},
        {"no blank to break at", "1969 AD\r\n" + longText + " end\r\n", "without a blank"},
        {"empty text", "1969 AD\r\n\r\n", "empty text line"},
        {"text after padding", good + "\r\n\r\nstray\r\n", "text after the last record"},
        {"record past the buffer", std::string(kViewerBytes, 'x') + " 1969 AD\r\nA\r\n",
         "past the"},
    };
    for (const Case& c : cases) {
        const std::string all = Join(ProblemsOf(c.data));
        EXPECT_NE(all.find(c.problem), std::string::npos)
            << c.name << ": expected \"" << c.problem << "\", got:\n"
            << all;
    }
    // A sound sample with padding and an odd blank passes.
    const Problems none = ProblemsOf(good + "2061 AD\r\n!Halley\r\n\r\n\r\n \r\n");
    EXPECT_TRUE(none.empty()) << Join(none);
}

}  // namespace
