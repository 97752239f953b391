// Month names JAN..DEC for the date row: three fourteen-segment characters,
// each in a 40-pixel cell aligned with the digit cells beside them.
#pragma once

#include <QImage>

namespace orb::art {

class MonthPainter {
  public:
    static QImage Month(int month);  // 1..12
};

}  // namespace orb::art
