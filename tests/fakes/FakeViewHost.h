// A window stand-in for the view: a framebuffer and a record of what was asked.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "display/ViewHost.h"
#include "fakes/FakeFont.h"
#include "platform/Dc.h"
#include "platform/Framebuffer.h"

namespace orbtest {

class FakeViewHost final : public orb::ViewHost {
  public:
    explicit FakeViewHost(platform::ColorRef background = platform::Rgb(212, 208, 200))
        : frame(background), screen(frame, &stockFont) {}

    platform::Dc& ScreenDc() override { return screen; }
    void Invalidate() override { ++invalidations; }
    void SetTimer(int id, int periodMs) override { timers[id] = periodMs; }
    void KillTimer(int id) override { timers.erase(id); }
    bool PlaySound(const char* name, unsigned flags) override {
        sounds.push_back({name == nullptr ? std::string("<stop>") : std::string(name), flags});
        return true;
    }

    void RunAutopilot(orb::AutopilotFields& fields) override {
        autopilotShown = fields;
        fields = autopilotAnswer;
    }

    void Warn(const std::string& message) override { warnings.push_back(message); }

    struct Sound {
        std::string name;
        unsigned flags;
    };

    platform::Framebuffer frame;
    FakeFont stockFont{"Arial", -16};
    platform::Dc screen;
    int invalidations = 0;
    std::map<int, int> timers;  // running timers and their periods
    std::vector<Sound> sounds;
    std::vector<std::string> warnings;
    orb::AutopilotFields autopilotShown;   // what the view filled in
    orb::AutopilotFields autopilotAnswer;  // what the "user" leaves in it
};

}  // namespace orbtest
