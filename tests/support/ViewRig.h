// A view over a scratch installation, with a fake window and a fixed clock:
// what a test needs to paint, tick and click without an event loop.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "display/COrbView.h"
#include "display/SceneRendering.h"
#include "display/ViewState.h"
#include "fakes/FakeViewHost.h"
#include "platform/Dc.h"
#include "platform/FixedClock.h"
#include "support/InstalledField.h"
#include "support/TempDir.h"

namespace orbtest {

class ViewRig {
  public:
    ViewRig() {
        install.Write("DATA/EVENTS.DAT", "20 JUL 1969 AD\r\nMoon landing\r\n");
        field.Set(install.Str());
    }

    // Scene `scene` as a picture of one palette index, whose colour is given.
    void WriteScene(int scene, std::uint8_t index, std::uint8_t red, std::uint8_t green,
                    std::uint8_t blue) {
        const std::string name = (scene < 10 ? "DATA/0" : "DATA/") + std::to_string(scene);
        install.Write(name + ".map",
                      std::string(static_cast<std::size_t>(orb::kSceneWidth) * orb::kSceneHeight,
                                  static_cast<char>(index)));
        std::string palette(scene == orb::kWarpScene ? orb::kWarpPaletteHeader : 0, 'h');
        std::string entries(1024, '\0');
        const std::size_t at = static_cast<std::size_t>(index) * 4;
        entries[at] = static_cast<char>(red);
        entries[at + 1] = static_cast<char>(green);
        entries[at + 2] = static_cast<char>(blue);
        install.Write(name + ".pal", palette + entries);
    }

    orb::COrbView& Build() {
        view = std::make_unique<orb::COrbView>(*state, host, clock, field.bytes);
        return *view;
    }

    void Paint() {
        platform::Dc dc(host.frame, host.stockFont.get());
        view->OnDraw(dc);
    }

    TempDir install;
    InstalledField field;
    std::unique_ptr<orb::ViewState> state = std::make_unique<orb::ViewState>();
    FakeViewHost host;
    platform::FixedClock clock{platform::LocalTime{}};
    std::unique_ptr<orb::COrbView> view;
};

}  // namespace orbtest
