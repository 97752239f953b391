#include "display/EventRecords.h"

#include <algorithm>

namespace orb {

namespace {

// Compared as signed bytes, as the databank's scanner always has: control
// characters and every byte from 128 up end a line.
bool EndsLine(std::uint8_t byte) {
    return byte < 32 || byte >= 128;
}

}  // namespace

bool EventRecords::Next(EventRecord* record) {
    if (m_at >= m_size || m_data[m_at] == 0) {
        return false;
    }
    const auto lineFrom = [this](std::size_t start, std::size_t limit, std::size_t* end) {
        std::size_t at = start;
        while (at < m_size && !EndsLine(m_data[at])) {
            ++at;
        }
        *end = at;
        const std::size_t length = std::min(at - start, limit);
        return std::string_view(reinterpret_cast<const char*>(m_data + start), length);
    };

    // A line ended by the end of the data or by a zero byte, or followed by
    // one where the line feed should be, is the last.
    const auto lastLine = [this](std::size_t end) {
        return end >= m_size || m_data[end] == 0 || (end + 1 < m_size && m_data[end + 1] == 0);
    };

    std::size_t dateEnd = 0;
    record->date = lineFrom(m_at, kDateLineLimit, &dateEnd);
    record->when = ParseEventDate(record->date);
    record->text = std::string_view();
    m_at = m_size;
    if (lastLine(dateEnd)) {
        return true;
    }
    // The text line starts after the line end and the byte after it.
    const std::size_t textStart = dateEnd + 2;
    if (textStart >= m_size) {
        return true;
    }
    std::size_t textEnd = 0;
    record->text = lineFrom(textStart, kTextLineLimit, &textEnd);
    if (!lastLine(textEnd)) {
        m_at = textEnd + 2;
    }
    return true;
}

}  // namespace orb
