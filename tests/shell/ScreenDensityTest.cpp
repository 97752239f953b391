// The view on a screen of twice the density: the window's pixels double and
// the drawing stays sharp.
#include <gtest/gtest.h>

#include <QImage>
#include <QTest>

#include "shell/CMainFrame.h"
#include "shell/OrbViewWidget.h"
#include "support/DoubledPixels.h"
#include "support/ShellRig.h"

namespace orb {
namespace {

using ScreenDensity = orbtest::ShellRig;

TEST_F(ScreenDensity, EachPixelOfTheFrameBecomesATwoByTwoBlockOfItsColour) {
    auto app = Start();
    ASSERT_TRUE(started) << failure;
    OrbViewWidget* view = app->ViewWidget();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(app->MainFrame()));
    // The clock and the date row bring edges one pixel wide to the picture.
    const QImage shown = orbtest::RenderDoubled(*view);
    ASSERT_EQ(shown.size(),
              QSize(2 * OrbViewWidget::kClientWidth, 2 * OrbViewWidget::kClientHeight));

    const orbtest::DoubledCheck check = orbtest::CheckDoubled(
        shown, view->size(),
        [view](int x, int y) { return static_cast<QRgb>(view->Frame().PixelAt(x, y)); });
    EXPECT_EQ(check.mismatches, 0) << check.first;
    EXPECT_GT(check.narrowFeatures, 100);
}

}  // namespace
}  // namespace orb
