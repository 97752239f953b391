// The window timers on QTimer, for the program.
#pragma once

#include <map>
#include <memory>

#include "setup/gui/WindowTimers.h"

class QTimer;

namespace orbsetup {

class QtWindowTimers final : public WindowTimers {
  public:
    QtWindowTimers();
    ~QtWindowTimers() override;
    QtWindowTimers(const QtWindowTimers&) = delete;
    QtWindowTimers& operator=(const QtWindowTimers&) = delete;

    void SetTimer(int id, int periodMs, Tick tick) override;

    bool IsActive(int id) const;
    // The period of timer `id` in milliseconds, 0 when it was never set.
    int Interval(int id) const;

  private:
    std::map<int, std::unique_ptr<QTimer>> m_timers;
};

}  // namespace orbsetup
