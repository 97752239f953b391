// The events databank as the browsing screen reads it: records of a date
// line and a text line, scanned from the start of the buffer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "display/EventDate.h"

namespace orb {

// The longest lines the scanner keeps; longer ones are cut here.
inline constexpr std::size_t kDateLineLimit = 196;
inline constexpr std::size_t kTextLineLimit = 199;

struct EventRecord {
    std::string_view date;  // at most kDateLineLimit characters
    std::string_view text;  // at most kTextLineLimit characters, marker included
    EventDate when;         // from the (cut) date line
};

// Walks the records of a databank image. A byte below 32 or of 128 and above
// ends a line; the byte after it (the line feed) is skipped. The walk ends at
// the end of the buffer or at its first zero byte, and never reads outside it.
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
