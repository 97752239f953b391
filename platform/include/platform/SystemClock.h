#pragma once

#include "platform/Clock.h"

namespace platform {

// The machine's local time zone.
class SystemClock final : public Clock {
  public:
    LocalTime Now() const override;
};

}  // namespace platform
