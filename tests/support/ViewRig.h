// A view over a scratch installation, with a fake window, fake fonts and
// bitmaps and a fixed clock: what a test needs to paint, tick and click
// without an event loop or a toolkit.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "display/COrbView.h"
#include "display/Colours.h"
#include "display/SceneRendering.h"
#include "display/ViewState.h"
#include "fakes/FakeBitmapSource.h"
#include "fakes/FakeFontSource.h"
#include "fakes/FakeViewHost.h"
#include "platform/Dc.h"
#include "platform/FixedClock.h"
#include "support/FrameProbe.h"
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
        std::string palette(orb::kScenePaletteSize, '\0');
        SetEntry(palette, index, red, green, blue);
        WriteScene(scene, std::string(orb::kScenePixelsSize, static_cast<char>(index)), palette);
    }

    // Scene `scene` as `picture` (512 x 320 indices, top row first) through
    // `palette` (256 entries of red, green, blue and a spare byte).
    void WriteScene(int scene, const std::string& picture, const std::string& palette) {
        const std::string name = (scene < 10 ? "DATA/0" : "DATA/") + std::to_string(scene);
        install.Write(name + ".map", picture);
        const std::string header(scene == orb::kWarpScene ? orb::kWarpPaletteHeader : 0, 'h');
        install.Write(name + ".pal", header + palette);
    }

    static void SetEntry(std::string& palette, std::uint8_t index, std::uint8_t red,
                         std::uint8_t green, std::uint8_t blue) {
        const std::size_t at = static_cast<std::size_t>(index) * 4;
        palette[at] = static_cast<char>(red);
        palette[at + 1] = static_cast<char>(green);
        palette[at + 2] = static_cast<char>(blue);
    }

    orb::COrbView& Build() {
        view = std::make_unique<orb::COrbView>(*state, host, sources, field.bytes);
        return *view;
    }

    // One paint; what it changed.
    std::vector<platform::Rect> Paint() {
        platform::Dc dc(host.frame, &host.stockFont);
        view->OnDraw(dc);
        return dc.Changed();
    }

    // Whether bitmap `id` stands at (x, y) of the window.
    ::testing::AssertionResult ShowsImage(int id, int x, int y) const {
        return Shows(host.frame, bitmaps.LoadBitmap(id), x, y);
    }

    // Paints a rectangle white, so that a test can see whether a paint draws there.
    void Smudge(int x, int y, int width, int height) {
        platform::Dc(host.frame).FillSolidRect(x, y, width, height, orb::kWhite);
    }

    TempDir install;
    InstalledField field;
    std::unique_ptr<orb::ViewState> state = std::make_unique<orb::ViewState>();
    FakeViewHost host;
    platform::FixedClock clock{platform::LocalTime{}};
    std::vector<TextDraw> draws;  // every text the view's fonts drew
    FakeFontSource fonts{&draws};
    FakeBitmapSource bitmaps;
    orb::ViewSources sources{clock, fonts, bitmaps};
    std::unique_ptr<orb::COrbView> view;
};

}  // namespace orbtest
