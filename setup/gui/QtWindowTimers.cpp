#include "setup/gui/QtWindowTimers.h"

#include <QTimer>
#include <utility>

namespace orbsetup {

QtWindowTimers::QtWindowTimers() = default;

QtWindowTimers::~QtWindowTimers() = default;

void QtWindowTimers::SetTimer(int id, int periodMs, Tick tick) {
    std::unique_ptr<QTimer>& timer = m_timers[id];
    if (timer) {
        // A new handler replaces the old one, as setting a window's timer again does.
        timer->disconnect();
    } else {
        timer = std::make_unique<QTimer>();
    }
    QObject::connect(timer.get(), &QTimer::timeout, [tick = std::move(tick), id] { tick(id); });
    timer->start(periodMs);
}

bool QtWindowTimers::IsActive(int id) const {
    const auto it = m_timers.find(id);
    return it != m_timers.end() && it->second->isActive();
}

int QtWindowTimers::Interval(int id) const {
    const auto it = m_timers.find(id);
    return it == m_timers.end() ? 0 : it->second->interval();
}

}  // namespace orbsetup
