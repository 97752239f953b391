// Full screen on a screen of 1920 x 1080 pixels at one and a half device
// pixels to the widget's one: the factor is counted in the screen's pixels,
// every pixel of the drawing is a sharp 2 x 2 block of them, centred on
// black, and the pointer maps back through the same arithmetic.
#include <gtest/gtest.h>

#include <QImage>
#include <QScreen>
#include <QTest>
#include <cmath>
#include <string>

#include "display/ViewState.h"
#include "shell/CMainFrame.h"
#include "support/ShellRig.h"

namespace orb {
namespace {

using DenseFullScreen = orbtest::ShownShell;

constexpr int kFactor = 2;         // 1920 / 794 and 1080 / 536, rounded down
constexpr QPoint kOrigin(166, 4);  // ((1920 - 1588) / 2, (1080 - 1072) / 2)
constexpr double kRatio = 1.5;

// The first screen pixel that is not what the drawing shows at the factor
// from the origin, black around it, or "".
std::string Difference(const QImage& shown, const platform::Framebuffer& frame) {
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            const int px = (x - kOrigin.x()) / kFactor;
            const int py = (y - kOrigin.y()) / kFactor;
            const bool inside = x >= kOrigin.x() && y >= kOrigin.y() &&
                                px < OrbViewWidget::kClientWidth &&
                                py < OrbViewWidget::kClientHeight;
            const QRgb want =
                inside ? static_cast<QRgb>(frame.PixelAt(px, py)) | 0xff000000u : 0xff000000u;
            if (shown.pixel(x, y) != want) {
                return "screen pixel " + std::to_string(x) + "," + std::to_string(y);
            }
        }
    }
    return "";
}

// Where a click must go, in the widget's pixels, to land inside the screen
// pixel (x, y).
QPoint WidgetPointFor(int x, int y) {
    return {static_cast<int>(std::ceil(x / kRatio)), static_cast<int>(std::ceil(y / kRatio))};
}

TEST_F(DenseFullScreen, EachPixelIsATwoByTwoBlockOfTheScreensPixels) {
    CMainFrame* frame = app->MainFrame();
    ASSERT_DOUBLE_EQ(frame->screen()->devicePixelRatio(), kRatio) << "the screen of this suite";
    state->m_hoverMouse = 0;
    frame->SetFullScreen(true);
    QTest::qWait(150);
    ASSERT_TRUE(frame->isFullScreen());
    EXPECT_EQ(view->Scale(), kFactor);

    // The view's paint onto an image of the screen's pixels.
    QImage shown(1920, 1080, QImage::Format_RGB32);
    shown.setDevicePixelRatio(kRatio);
    shown.fill(Qt::red);
    view->render(&shown);
    EXPECT_EQ(Difference(shown, view->Frame()), "");
}

TEST_F(DenseFullScreen, ClicksMapThroughTheScreensPixelsAndTheMarginsAreIgnored) {
    CMainFrame* frame = app->MainFrame();
    state->m_hoverMouse = 0;
    frame->SetFullScreen(true);
    QTest::qWait(150);
    ASSERT_EQ(view->Scale(), kFactor);

    state->time.m_speed = 7.0;
    // Left of the drawing, where the lever would be read at a logical factor.
    for (const QPoint margin : {WidgetPointFor(kOrigin.x() - 3, 500), QPoint(640, 1)}) {
        QTest::mouseClick(view, Qt::LeftButton, {}, margin);
        EXPECT_EQ(state->time.m_speed, 7.0) << margin.x() << "," << margin.y();
    }
    // The drawing's pixel (89, 209) is the lever's, one above the stop band;
    // (90, 209), right of the strip, stops time. The widget's points 230 and
    // 231 stand on either side of the boundary: 345 and 346.5 of the screen.
    ASSERT_EQ(WidgetPointFor(kOrigin.x() + 90 * kFactor, 0).x(), 231);
    QTest::mouseClick(view, Qt::LeftButton, {},
                      WidgetPointFor(kOrigin.x() + 90 * kFactor, kOrigin.y() + 209 * kFactor));
    EXPECT_EQ(state->time.m_speed, 0.0);
    QTest::mouseClick(view, Qt::LeftButton, {},
                      WidgetPointFor(kOrigin.x() + 89 * kFactor, kOrigin.y() + 209 * kFactor));
    EXPECT_NEAR(state->time.m_speed, 0.2 * std::exp(10.0 / 41.0), 1e-12);
}

}  // namespace
}  // namespace orb
