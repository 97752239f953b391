#include "display/TravelTick.h"

#include <algorithm>
#include <cmath>

#include "display/Lighting.h"
#include "display/SceneRendering.h"
#include "display/TimeModel.h"
#include "display/ViewHost.h"
#include "display/ViewState.h"
#include "platform/SoundFlags.h"

namespace orb {

namespace {

constexpr unsigned kWarpLoopFlags =
    platform::SND_FILENAME | platform::SND_LOOP | platform::SND_NOSTOP | platform::SND_ASYNC;

// The tunnel closes in a little every tick, faster at higher speed, and is
// thrown back to twice the size before it passes half.
double NextWarpZoom(double zoom, double absSpeed) {
    double next = zoom * std::pow(absSpeed + 1000.0, -0.005);
    if (next < 0.5) {
        next *= 2.0;
    }
    return next;
}

}  // namespace

void TravelTick(ViewState& s, ViewHost& host) {
    TimeState& t = s.time;
    DeriveMoment(t);
    t.m_travelSeconds += t.m_speed;
    ApplyLight(t, s.m_dayNightEffects != 0);

    const bool warping = s.m_warpAnimations != 0 && t.m_absSpeed > 0.0;
    t.m_warpCounter += warping ? kWarpCounterStep : -kWarpCounterStep;
    t.m_warpCounter = std::clamp<std::int64_t>(t.m_warpCounter, 0, kWarpCounterFull);

    if (t.m_warpCounter == kWarpCounterFull) {
        t.m_scene = kWarpScene;
        t.m_brightness = kFullLight;
        t.m_warpZoom = NextWarpZoom(t.m_warpZoom, t.m_absSpeed);
        // NOSTOP: the loop already playing goes on rather than restarting.
        host.PlaySound("abcd.wav", kWarpLoopFlags);
        t.m_warpSoundIdle = 1;
    }
    if (t.m_warpCounter == 0) {
        host.PlaySound(nullptr, platform::SND_ASYNC);
        t.m_warpSoundIdle = 1;
    }
    host.Invalidate();
}

}  // namespace orb
