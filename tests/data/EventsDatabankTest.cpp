// Checks of the delivered databanks: data/EVENTS.DAT, held by the viewer's
// checker to the installed databank's rules and read by its scanner as a
// strict CR LF reader reads it, and the example databank of one's own.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "display/DatabankCheck.h"
#include "display/EventDate.h"
#include "display/EventRecords.h"

namespace {

constexpr std::size_t kViewerBytes = 31125;  // what the viewer reads

using Problems = std::vector<std::string>;

std::string ReadFile(const char* path) {
    std::ifstream in(path, std::ios::binary);
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

class EventsDatabank : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        data_ = new std::string(ReadFile(ORB_SOURCE_DIR "/data/EVENTS.DAT"));
    }
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

// The checker finds nothing wrong, held to the installed databank's
// editorial rules or only to what any databank must be.
TEST_F(EventsDatabank, PassesTheChecker) {
    ASSERT_GT(Records().size(), 400u);
    for (const orb::DatabankProfile profile :
         {orb::DatabankProfile::kShipped, orb::DatabankProfile::kOwn}) {
        const std::vector<orb::DatabankProblem> problems = orb::CheckDatabank(*data_, profile);
        std::string all;
        for (const orb::DatabankProblem& problem : problems) {
            all += orb::Describe(problem) + "\n";
        }
        EXPECT_TRUE(problems.empty()) << all;
    }
}

TEST_F(EventsDatabank, IsTheSizeTheInstallerWrites) {
    EXPECT_EQ(data_->size(), 31180u);
}

// The viewer's scanner sees exactly these records in its 31,125 bytes: none
// is cut at the buffer's end, and the padding parses as no record at all.
TEST_F(EventsDatabank, ViewerBufferHoldsTheSameRecords) {
    Problems problems;
    const std::vector<Record> all = ReadRecords(*data_, &problems);
    const std::vector<Record> seen =
        ReadRecords(std::string_view(*data_).substr(0, kViewerBytes), &problems);
    EXPECT_TRUE(problems.empty()) << problems.front();
    ASSERT_EQ(seen.size(), all.size());
    EXPECT_EQ(seen.back().text, all.back().text);
}

// The viewer's scanner, reading its 31,125 bytes, yields these records in
// this order, then only the empty lines of the padding.
TEST_F(EventsDatabank, ViewersScannerYieldsTheseRecords) {
    const std::vector<Record> expected = Records();
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(data_->data());
    orb::EventRecords scanner(bytes, std::min(data_->size(), kViewerBytes));
    orb::EventRecord record;
    std::size_t index = 0;
    std::size_t padding = 0;
    while (scanner.Next(&record)) {
        if (index < expected.size()) {
            EXPECT_EQ(record.date, expected[index].date) << "record " << index;
            EXPECT_EQ(record.text, expected[index].text) << "record " << index;
            ++index;
        } else {
            EXPECT_EQ(record.date, "") << "after the records";
            EXPECT_TRUE(record.text.empty() || record.text == " ") << "after the records";
            ++padding;
        }
    }
    EXPECT_EQ(index, expected.size());
    EXPECT_GT(padding, 0u);
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

// The example databank of one's own: UTF-8 in LF lines, no problem found,
// every record with a year and its letters intact.
TEST(ExampleDatabank, PassesTheCheckerAndKeepsItsLetters) {
    const std::string data =
        ReadFile(ORB_SOURCE_DIR "/examples/databanks/astronomy-and-spaceflight.dat");
    ASSERT_FALSE(data.empty());
    const std::vector<orb::DatabankProblem> problems =
        orb::CheckDatabank(data, orb::DatabankProfile::kOwn);
    EXPECT_TRUE(problems.empty()) << orb::Describe(problems.front());
    orb::EventRecords scanner(reinterpret_cast<const std::uint8_t*>(data.data()), data.size());
    std::size_t records = 0;
    bool romer = false;
    for (orb::EventRecord record; scanner.Next(&record);) {
        ++records;
        EXPECT_TRUE(record.when.hasYear) << record.date;
        romer = romer || record.text.find("R\xc3\xb8mer") != std::string_view::npos;
    }
    EXPECT_GE(records, 60u);
    EXPECT_LE(records, 150u);
    EXPECT_TRUE(romer) << "Ole R\xc3\xb8mer, spelled in UTF-8";
}

}  // namespace
