// The events databank as the browsing screen reads it: records of a date
// line and a text line, scanned from the start of the buffer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "display/EventDate.h"

namespace orb {

// What the viewer reads of the installed databank.
inline constexpr std::size_t kEventsDataSize = 31125;

// The longest lines the scanner keeps, in characters; longer ones are cut
// there, never inside a character.
inline constexpr std::size_t kDateLineLimit = 196;
inline constexpr std::size_t kTextLineLimit = 199;

struct EventRecord {
    std::string_view date;  // at most kDateLineLimit characters
    std::string_view text;  // at most kTextLineLimit characters, marker included
    EventDate when;         // from the (cut) date line
    // What a checker needs beyond what the list shows.
    bool dateCut = false;   // the date line was longer than its limit
    bool textCut = false;   // the text line was longer than its limit
    bool textLine = false;  // a text line followed the date line
    std::size_t end = 0;    // just past the record's last line end, or the data's end
};

// How the list draws a text line: one of kLongText characters or more goes on
// two lines, broken at the last blank among its first 101 characters, or
// after its 100th character when there is none. Offsets are bytes.
inline constexpr std::size_t kLongText = 100;
struct TextBreak {
    bool twoLines = false;
    bool atBlank = false;
    std::size_t firstEnd = 0;  // where the first line ends
    std::size_t restFrom = 0;  // where the second begins
};
TextBreak BreakText(std::string_view text);

// Walks the records of a databank image, UTF-8 text. A line ends at LF,
// CR LF or a zero byte; every other byte belongs to it. The walk ends at the
// end of the buffer or at its first zero byte, and never reads outside it.
class EventRecords {
  public:
    EventRecords(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}

    // The next record, or false when there is none.
    bool Next(EventRecord* record);

  private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_at = 0;
};

}  // namespace orb
