// Month names JAN..DEC for the date row: three fourteen-segment characters,
// each in a 40-pixel cell aligned with the digit cells beside them.
#pragma once

#include <QImage>

namespace orb::art {

class MonthPainter {
  public:
    static QImage Month(int month);  // 1..12
    // "JAN".."DEC", as the picture spells it.
    static const char* Name(int month);
};

}  // namespace orb::art
