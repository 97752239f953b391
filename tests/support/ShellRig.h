// The viewer's application over a scratch installation, with a fixed clock,
// the toolkit's fonts and bitmaps and no sound: what a test needs to drive
// the real windows.
#pragma once

#include <gtest/gtest.h>

#include <QTest>
#include <memory>
#include <string>

#include "display/ViewState.h"
#include "platform/FixedClock.h"
#include "platform/SoundBackend.h"
#include "platform/SoundPlayer.h"
#include "platform/qt/QtBitmapSource.h"
#include "platform/qt/QtFontSource.h"
#include "shell/CMainFrame.h"
#include "shell/COrbApp.h"
#include "shell/OrbViewWidget.h"
#include "support/InstalledField.h"
#include "support/TempDir.h"

namespace orbtest {

class SilentBackend final : public platform::SoundBackend {
  public:
    void Play(const std::string&, bool) override {}
    void Stop() override {}
    bool IsPlaying() const override { return false; }
};

class ShellRig : public ::testing::Test {
  protected:
    void SetUp() override {
        install.Write("data/EVENTS.dat", "20 JUL 1969 AD\r\nMoon landing\r\n");
        field.Set(install.Str());
    }

    std::unique_ptr<orb::COrbApp> Start() {
        auto app = std::make_unique<orb::COrbApp>(*state, sources, sound, field.bytes,
                                                  [this](const std::string& m) { failure = m; });
        started = app->InitInstance();
        return app;
    }

    TempDir install;
    InstalledField field;
    std::unique_ptr<orb::ViewState> state = std::make_unique<orb::ViewState>();
    platform::FixedClock clock{platform::LocalTime{}};
    platform::QtFontSource fonts;
    platform::QtBitmapSource bitmaps;
    orb::ViewSources sources{clock, fonts, bitmaps};
    platform::SoundPlayer sound{std::make_unique<SilentBackend>()};
    std::string failure;
    bool started = false;
};

// The program started and its window shown.
class ShownShell : public ShellRig {
  protected:
    void SetUp() override {
        ShellRig::SetUp();
        app = Start();
        ASSERT_TRUE(started);
        view = app->ViewWidget();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(app->MainFrame()));
    }

    std::unique_ptr<orb::COrbApp> app;
    orb::OrbViewWidget* view = nullptr;
};

}  // namespace orbtest
