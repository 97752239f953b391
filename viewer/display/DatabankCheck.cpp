#include "display/DatabankCheck.h"

#include <cstdint>

#include "display/EventRecords.h"
#include "platform/Utf8.h"

namespace orb {

namespace {

constexpr std::int64_t kYearLimit = 15000000000LL;
constexpr std::int64_t kMillion = 1000000;
// The installed databank marks every event from this year on with its
// probability, and no earlier one.
constexpr std::int64_t kFirstForecastYear = 2027;
constexpr std::string_view kMarkers = "!@#$%&";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

class Report {
  public:
    void Error(std::size_t line, std::string what) {
        m_problems.push_back({true, line, std::move(what)});
    }
    void Warning(std::size_t line, std::string what) {
        m_problems.push_back({false, line, std::move(what)});
    }
    std::vector<DatabankProblem> Take() { return std::move(m_problems); }

  private:
    std::vector<DatabankProblem> m_problems;
};

std::size_t LineOf(std::string_view bytes, std::size_t offset) {
    std::size_t line = 1;
    for (std::size_t i = 0; i < offset && i < bytes.size(); ++i) {
        line += bytes[i] == '\n' ? 1U : 0U;
    }
    return line;
}

bool Blank(std::string_view line) {
    return line.find_first_not_of(' ') == std::string_view::npos;
}

// The year as the databank would write it, for saying how a date reads.
std::string YearInWords(std::int64_t year, std::string_view date) {
    if (date.size() >= 3 && date.substr(date.size() - 3) == "Mya") {
        return std::to_string(-year / kMillion) + " Mya";
    }
    return year < 0 ? std::to_string(-year) + " BC" : std::to_string(year) + " AD";
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

void CheckDateLine(const EventRecord& record, std::size_t line, Report* report) {
    const std::string_view date = record.date;
    const EventDate& when = record.when;
    if (date.find('\t') != std::string_view::npos) {
        report->Warning(line, "a tab in the date line; write a blank");
    }
    for (const char c : date) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            report->Warning(line, "letters outside ASCII in the date line stop the year reader");
            break;
        }
    }
    // The year reader takes the digits just before the era; a comma or a
    // point ends them.
    const std::size_t before = when.cut >= 0 ? static_cast<std::size_t>(when.cut) : 0;
    const bool splitYear =
        when.cut >= 1 && (date[before] == ',' || date[before] == '.') && IsDigit(date[before - 1]);
    if (!when.hasYear || when.year == 0) {
        report->Warning(line, splitYear ? "the year holds a comma or a point, so it reads as no "
                                          "year and its record never shows"
                                        : "the date line gives no year, so its record never shows");
        return;
    }
    if (splitYear) {
        report->Warning(line, "the year reads as " + YearInWords(when.year, date) +
                                  ": a comma or a point ends it");
    }
    if (when.year < -kYearLimit || when.year > kYearLimit) {
        report->Warning(line, "the year lies beyond 15,000,000,000 years, where travel never goes");
    }
}

void CheckTextLine(const EventRecord& record, std::size_t line, Report* report) {
    const std::string_view text = record.text;
    if (Blank(text)) {
        report->Warning(line, "the text line is empty");
        return;
    }
    if (record.textCut) {
        report->Warning(line, "the text is longer than 199 characters; the rest is not shown");
    }
    const TextBreak broken = BreakText(text);
    if (broken.twoLines && !broken.atBlank) {
        report->Warning(line,
                        "a text of 100 characters or more needs a blank among its first "
                        "101 to break at");
    }
}

// What the whole file must be before its records are read.
bool CheckBytes(std::string_view bytes, Report* report) {
    if (bytes.empty()) {
        report->Error(0, "the file is empty");
        return false;
    }
    if (bytes.size() > kLargestDatabank) {
        report->Error(0, "the file holds more than 1,048,576 bytes, the most a databank may hold");
        return false;
    }
    const std::size_t zero = bytes.find('\0');
    if (zero != std::string_view::npos &&
        bytes.find_first_not_of('\0', zero) != std::string_view::npos) {
        report->Error(LineOf(bytes, zero), "a zero byte; nothing after it would be read");
    }
    const std::size_t invalid = platform::FirstInvalidUtf8(bytes.substr(0, zero));
    if (invalid != std::string_view::npos) {
        report->Error(LineOf(bytes, invalid),
                      "not UTF-8 text (byte " +
                          std::to_string(static_cast<unsigned char>(bytes[invalid])) + ")");
    }
    if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        report->Warning(1, "a byte-order mark begins the file and shows before the first date");
    }
    return true;
}

// The installed databank's own rules: 7-bit text in CR LF lines, records in
// time order with the probability marks on the future only, all of them
// inside what the viewer reads, and only empty lines after them.
void CheckShipped(std::string_view bytes, const std::vector<EventRecord>& records, Report* report) {
    // Its padding begins at the first empty date line.
    std::size_t realRecords = 0;
    while (realRecords < records.size() && !Blank(records[realRecords].date)) {
        ++realRecords;
    }
    std::size_t line = 1;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (c == '\n') {
            if (i == 0 || bytes[i - 1] != '\r') {
                report->Error(line, "the line ends in LF alone; CR LF it must be");
            }
            ++line;
        } else if ((c < 32 || c > 126) &&
                   !(c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')) {
            report->Error(line, "byte " + std::to_string(c) + " is not printable 7-bit text");
        }
    }
    std::int64_t previous = -kYearLimit;
    for (std::size_t k = 0; k < realRecords; ++k) {
        const EventRecord& record = records[k];
        const std::size_t dateLine = 2 * k + 1;
        if (!record.when.hasYear || record.when.year == 0) {
            continue;  // said already
        }
        if (record.when.year < previous) {
            report->Error(dateLine, "out of chronological order");
        }
        previous = record.when.year;
        const bool marked =
            !record.text.empty() && kMarkers.find(record.text.front()) != std::string_view::npos;
        const bool forecast = record.when.year >= kFirstForecastYear;
        if (marked != forecast) {
            report->Error(record.textLine ? dateLine + 1 : dateLine,
                          forecast ? "a future event without a probability mark"
                                   : "a probability mark on a past event");
        }
    }
    if (realRecords > 0 && records[realRecords - 1].end > kEventsDataSize) {
        const bool textLine = records[realRecords - 1].textLine;
        report->Error(2 * realRecords - (textLine ? 0 : 1),
                      "the last record ends at byte " +
                          std::to_string(records[realRecords - 1].end) +
                          ", past the 31,125 the viewer reads");
    }
    // The padding: empty lines, the last of them perhaps holding one blank.
    std::string_view tail = bytes.substr(realRecords > 0 ? records[realRecords - 1].end : 0);
    if (tail.size() >= 3 && tail.substr(tail.size() - 3) == " \r\n") {
        tail.remove_suffix(3);
    }
    for (std::size_t i = 0; i < tail.size(); i += 2) {
        if (tail.substr(i, 2) != "\r\n") {
            report->Error(LineOf(bytes, bytes.size() - tail.size() + i),
                          "text after the last record");
            break;
        }
    }
}

}  // namespace

std::vector<DatabankProblem> CheckDatabank(std::string_view bytes, DatabankProfile profile) {
    Report report;
    if (!CheckBytes(bytes, &report)) {
        return report.Take();
    }
    std::vector<EventRecord> records;
    EventRecords scanner(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    for (EventRecord record; scanner.Next(&record);) {
        records.push_back(record);
    }
    // Blank lines at the end are padding, not records.
    std::size_t realRecords = records.size();
    while (realRecords > 0 && Blank(records[realRecords - 1].date) &&
           Blank(records[realRecords - 1].text)) {
        --realRecords;
    }
    if (realRecords == 0) {
        report.Warning(0, "the file holds no records");
    }
    for (std::size_t k = 0; k < realRecords; ++k) {
        const EventRecord& record = records[k];
        const std::size_t dateLine = 2 * k + 1;
        if (record.dateCut) {
            report.Warning(dateLine,
                           "the date line is longer than 196 characters; the rest is not read");
        }
        CheckDateLine(record, dateLine, &report);
        if (!record.textLine) {
            report.Warning(dateLine, "an odd number of lines: this date line has no text line");
            continue;
        }
        CheckTextLine(record, dateLine + 1, &report);
    }
    if (profile == DatabankProfile::kShipped) {
        CheckShipped(bytes, records, &report);
    }
    return report.Take();
}

bool HasError(const std::vector<DatabankProblem>& problems) {
    for (const DatabankProblem& problem : problems) {
        if (problem.error) {
            return true;
        }
    }
    return false;
}

std::string Describe(const DatabankProblem& problem, std::string_view file) {
    std::string text;
    if (!file.empty()) {
        text = std::string(file) + ":";
        text += problem.line > 0 ? std::to_string(problem.line) + ": " : std::string(" ");
    } else if (problem.line > 0) {
        text = "line " + std::to_string(problem.line) + ": ";
    }
    return text + (problem.error ? "error: " : "warning: ") + problem.what;
}

std::string ListProblems(const std::vector<DatabankProblem>& problems, std::size_t most) {
    std::string list;
    for (std::size_t i = 0; i < problems.size() && i < most; ++i) {
        list += Describe(problems[i]) + "\n";
    }
    if (problems.size() > most) {
        const std::size_t more = problems.size() - most;
        list +=
            "and " + std::to_string(more) + (more == 1 ? " more problem\n" : " more problems\n");
    }
    return list;
}

}  // namespace orb
