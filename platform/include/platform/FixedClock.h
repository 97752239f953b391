#pragma once

#include "platform/Clock.h"

namespace platform {

// A clock that shows whatever time it was last set to.
class FixedClock final : public Clock {
  public:
    explicit FixedClock(const LocalTime& time) : m_time(time) {}
    void Set(const LocalTime& time) { m_time = time; }
    LocalTime Now() const override { return m_time; }

  private:
    LocalTime m_time;
};

}  // namespace platform
