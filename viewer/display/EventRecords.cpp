#include "display/EventRecords.h"

#include <cstring>

#include "platform/Utf8.h"

namespace orb {

namespace {

struct Line {
    std::string_view text;  // without its line end, nor a CR just before it
    std::size_t next = 0;   // where the next line starts
    bool last = false;      // ended by a zero byte or by the end of the data
};

Line LineAt(const std::uint8_t* data, std::size_t size, std::size_t start) {
    const std::uint8_t* from = data + start;
    const std::size_t room = size - start;
    const auto* feed = static_cast<const std::uint8_t*>(std::memchr(from, '\n', room));
    const std::size_t span = feed != nullptr ? static_cast<std::size_t>(feed - from) : room;
    const auto* zero = static_cast<const std::uint8_t*>(std::memchr(from, 0, span));
    Line line;
    std::size_t length = span;
    if (zero != nullptr) {
        length = static_cast<std::size_t>(zero - from);
        line.last = true;
    } else {
        line.last = feed == nullptr;
        line.next = start + span + 1;
    }
    // A CR LF cut short by the end of the data still ends the line.
    if (length > 0 && from[length - 1] == '\r') {
        --length;
    }
    line.text = std::string_view(reinterpret_cast<const char*>(from), length);
    return line;
}

std::string_view Cut(std::string_view line, std::size_t characters, bool* cut) {
    const std::size_t keep = platform::Utf8Prefix(line, characters);
    *cut = keep < line.size();
    return line.substr(0, keep);
}

}  // namespace

TextBreak BreakText(std::string_view text) {
    TextBreak result;
    const std::size_t limit = platform::Utf8Prefix(text, kLongText);
    result.twoLines = limit < text.size() || platform::Utf8Length(text) >= kLongText;
    if (!result.twoLines) {
        return result;
    }
    result.firstEnd = limit;
    result.restFrom = limit;
    const bool blankAtLimit = limit < text.size() && text[limit] == ' ';
    const std::size_t blank = blankAtLimit ? limit : text.substr(0, limit).find_last_of(' ');
    if (blank != std::string_view::npos) {
        result.atBlank = true;
        result.firstEnd = blank;
        result.restFrom = blank + 1;
    }
    return result;
}

bool EventRecords::Next(EventRecord* record) {
    if (m_at >= m_size || m_data[m_at] == 0) {
        return false;
    }
    const Line date = LineAt(m_data, m_size, m_at);
    record->date = Cut(date.text, kDateLineLimit, &record->dateCut);
    record->when = ParseEventDate(record->date);
    record->text = std::string_view();
    record->textCut = false;
    record->textLine = false;
    m_at = m_size;
    record->end = date.last ? m_size : date.next;
    if (date.last || date.next >= m_size) {
        return true;
    }
    const Line text = LineAt(m_data, m_size, date.next);
    record->text = Cut(text.text, kTextLineLimit, &record->textCut);
    record->textLine = true;
    record->end = text.last ? m_size : text.next;
    if (!text.last) {
        m_at = text.next;
    }
    return true;
}

}  // namespace orb
