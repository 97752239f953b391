// Window timers that tick only when a test says so, and record how they were set.
#pragma once

#include <map>
#include <vector>

#include "setup/gui/WindowTimers.h"

namespace orbtest {

class ManualTimers final : public orbsetup::WindowTimers {
  public:
    struct Setting {
        int id;
        int periodMs;
    };

    void SetTimer(int id, int periodMs, Tick tick) override {
        settings.push_back({id, periodMs});
        ticks[id] = std::move(tick);
    }

    // One tick of timer `id`, as the toolkit would deliver it; false when the
    // timer was never set.
    bool Fire(int id) {
        const auto it = ticks.find(id);
        if (it == ticks.end()) {
            return false;
        }
        it->second(id);
        return true;
    }

    std::vector<Setting> settings;
    std::map<int, Tick> ticks;
};

}  // namespace orbtest
