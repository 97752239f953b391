// The timers of the view's window, by id as a window's timers are. Injected,
// so tests can tick them by hand.
#pragma once

#include <functional>

namespace orbsetup {

class WindowTimers {
  public:
    using Tick = std::function<void(int id)>;

    virtual ~WindowTimers() = default;
    // Starts timer `id` with a period of `periodMs`, or restarts it with that
    // period when it runs already; every tick calls `tick(id)`.
    virtual void SetTimer(int id, int periodMs, Tick tick) = 0;
};

}  // namespace orbsetup
