// The source of local time, injectable so that tests can fix the present.
#pragma once

#include "platform/LocalTime.h"

namespace platform {

class Clock {
  public:
    virtual ~Clock() = default;
    virtual LocalTime Now() const = 0;
};

}  // namespace platform
