// What the view asks of the window that hosts it.
#pragma once

#include <string>

#include "display/AutopilotFields.h"

namespace platform {
class Dc;
}

namespace orb {

class ViewHost {
  public:
    virtual ~ViewHost() = default;

    // A context on the whole screen; the main window stands at its origin.
    virtual platform::Dc& ScreenDc() = 0;
    // Schedules a paint of the whole client area without erasing it.
    virtual void Invalidate() = 0;
    virtual void SetTimer(int id, int periodMs) = 0;
    virtual void KillTimer(int id) = 0;
    virtual bool PlaySound(const char* name, unsigned flags) = 0;
    // Shows the Autopilot dialog filled from `fields` and leaves in them what
    // it holds when it closes: the values read on OK, those given on Cancel.
    virtual void RunAutopilot(AutopilotFields& fields) = 0;
    // Tells the user's terminal about a problem the view works around.
    virtual void Warn(const std::string& message) = 0;
};

}  // namespace orb
