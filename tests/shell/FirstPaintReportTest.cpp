// The start-up report: when the first complete travel-screen paint happens,
// and how its time since the process's start is found.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <chrono>
#include <optional>
#include <string>

#include "display/TimeState.h"
#include "shell/CMainFrame.h"
#include "shell/FirstPaintReport.h"
#include "shell/OrbViewWidget.h"
#include "support/ShellRig.h"

namespace orb {
namespace {

TEST(FirstPaintReport, ReadsAStartTimeWithEitherDecimalMark) {
    const struct {
        const char* setting = nullptr;
        std::optional<double> seconds;
    } cases[] = {
        {"1700000000.250000", 1700000000.25},
        {"1700000000,250000", 1700000000.25},  // bash in a German locale
        {"1", std::nullopt},                   // a plain switch: the kernel's start
        {"", std::nullopt},
        {".5", std::nullopt},
        {"1700000000.25s", std::nullopt},
        {"17e2.5", std::nullopt},
        {"-5.0", std::nullopt},
    };
    for (const auto& c : cases) {
        const std::optional<double> got = FirstPaintReport::ParseStartTime(c.setting);
        ASSERT_EQ(got.has_value(), c.seconds.has_value()) << c.setting;
        if (got) {
            EXPECT_DOUBLE_EQ(*got, *c.seconds) << c.setting;
        }
    }
}

TEST(FirstPaintReport, FindsTheStartInTheStatLineWhateverTheCommandName) {
    // pid (comm) state, then fields 4..21, then 22: the start in ticks.
    const std::string tail = " S 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 12345 99 100\n";
    const struct {
        std::string line;
        long ticksPerSecond;
        std::optional<double> seconds;
    } cases[] = {
        {"4242 (orb.exe)" + tail, 100, 123.45},
        {"4242 (a) b (c) 1 2 3)" + tail, 100, 123.45},
        {"4242 (orb.exe)" + tail, 1000, 12.345},
        {"4242 (orb.exe) S 1 2 3", 100, std::nullopt},  // cut short
        {"4242 orb.exe" + tail, 100, std::nullopt},     // no command name
        {"4242 (orb.exe)" + tail, 0, std::nullopt},
        {"4242 (orb.exe) S 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 12x45 1", 100,
         std::nullopt},
    };
    for (const auto& c : cases) {
        const std::optional<double> got =
            FirstPaintReport::StartSinceBoot(c.line, c.ticksPerSecond);
        ASSERT_EQ(got.has_value(), c.seconds.has_value()) << c.line;
        if (got) {
            EXPECT_DOUBLE_EQ(*got, *c.seconds) << c.line;
        }
    }
}

TEST(FirstPaintReport, MeasuresFromTheGivenStartInMilliseconds) {
    using namespace std::chrono;
    const double now = duration<double>(system_clock::now().time_since_epoch()).count();
    const std::string start = std::to_string(now - 2.5);  // "%f": six decimals
    const FirstPaintReport report(start);
    const std::optional<double> ms = report.MillisecondsSinceStart();
    ASSERT_TRUE(ms.has_value());
    EXPECT_GE(*ms, 2499.0);
    EXPECT_LT(*ms, 2500.0 + 60000.0);
    EXPECT_NE(report.Line().find(" ms after the start (given)"), std::string::npos)
        << report.Line();
}

TEST(FirstPaintReport, MeasuresFromTheKernelsStartOfThisProcess) {
    const FirstPaintReport report("1");
    const std::optional<double> ms = report.MillisecondsSinceStart();
    ASSERT_TRUE(ms.has_value());
    // This test process started before now, and not an hour ago.
    EXPECT_GE(*ms, 0.0);
    EXPECT_LT(*ms, 3600.0 * 1000.0);
    EXPECT_NE(report.Line().find("(kernel)"), std::string::npos) << report.Line();
}

using FirstTravelPaint = orbtest::ShellRig;

TEST_F(FirstTravelPaint, IsSignalledOnceForTheFirstWholeTravelScreen) {
    auto app = Start();
    ASSERT_TRUE(started);
    OrbViewWidget* view = app->ViewWidget();
    QSignalSpy painted(view, &OrbViewWidget::firstTravelScreenPainted);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(app->MainFrame()));
    view->Draw();
    view->repaint();  // presented at once
    EXPECT_EQ(painted.count(), 1);

    QTest::mouseClick(view, Qt::RightButton);  // asks for the whole screen again
    ASSERT_EQ(state->m_repaintFrame, 1);
    view->Draw();
    view->repaint();  // presented at once
    EXPECT_EQ(painted.count(), 1);
}

TEST_F(FirstTravelPaint, IsNotSignalledForTheBrowsingScreen) {
    auto app = Start();
    ASSERT_TRUE(started);
    OrbViewWidget* view = app->ViewWidget();
    QSignalSpy painted(view, &OrbViewWidget::firstTravelScreenPainted);
    state->time.m_browseMode = kBrowsingMode;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(app->MainFrame()));
    view->Draw();
    view->repaint();  // presented at once
    EXPECT_EQ(painted.count(), 0);

    state->time.m_browseMode = kTravelMode;
    state->m_repaintFrame = 1;
    view->Draw();
    view->repaint();  // presented at once
    EXPECT_EQ(painted.count(), 1);
}

}  // namespace
}  // namespace orb
