// The drawing at a larger whole factor: every pixel a sharp block on screen,
// only what changed presented, pointer positions mapped back, and the View
// menu offering only factors whose window fits the screen.
#include <gtest/gtest.h>

#include <QAction>
#include <QImage>
#include <QMenuBar>
#include <QScreen>
#include <QTest>
#include <cmath>
#include <string>

#include "res/ResourceIds.h"
#include "support/ShellRig.h"

namespace orb {
namespace {

class Scale : public orbtest::ShownShell {
  protected:
    // The first place where the screen differs from the framebuffer shown at
    // the view's factor from `origin` on, black around it, or "".
    std::string Difference(QPoint origin = QPoint(0, 0)) {
        QTest::qWait(150);  // the pending paint, and the toolkit's own
        const QWidget* window = view->window();
        const QPoint at = view->mapTo(window, QPoint(0, 0));
        const QImage shown =
            window->screen()
                ->grabWindow(window->winId(), at.x(), at.y(), view->width(), view->height())
                .toImage()
                .convertToFormat(QImage::Format_RGB32);
        if (shown.size() != view->size()) {
            return "the window shows " + std::to_string(shown.width()) + " x " +
                   std::to_string(shown.height());
        }
        const int scale = view->Scale();
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x) {
                const int px = (x - origin.x()) / scale;
                const int py = (y - origin.y()) / scale;
                const bool drawing = x >= origin.x() && y >= origin.y() &&
                                     px < OrbViewWidget::kClientWidth &&
                                     py < OrbViewWidget::kClientHeight;
                const QRgb want = drawing ? view->Frame().PixelAt(px, py) : 0xFF000000u;
                if ((shown.pixel(x, y) | 0xFF000000u) != want) {
                    return "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
                }
            }
        }
        return "";
    }
};

TEST_F(Scale, AtTwiceTheSizeEachPixelIsATwoByTwoBlockAfterEveryPaint) {
    view->SetScale(2);
    EXPECT_EQ(view->size(),
              QSize(2 * OrbViewWidget::kClientWidth, 2 * OrbViewWidget::kClientHeight));
    EXPECT_EQ(Difference(), "") << "the whole drawing again";
    QTest::mouseMove(view, QPoint(2 * 45, 2 * 120));  // fast forward: the date row runs
    QTest::qWait(200);
    EXPECT_EQ(Difference(), "") << "ticks";
    QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(2 * 380, 2 * 490));  // TIMELINE
    EXPECT_EQ(Difference(), "") << "browsing";
    view->SetScale(1);
    EXPECT_EQ(view->size(), QSize(OrbViewWidget::kClientWidth, OrbViewWidget::kClientHeight));
    EXPECT_EQ(Difference(), "") << "back at the actual size";
}

// Positions map back to the drawing's pixels: at 3x the pixel (89, 209), one
// above the stop band, spans 267..269 x 627..629.
TEST_F(Scale, PointerPositionsMapBackToTheDrawing) {
    state->m_hoverMouse = 0;
    view->SetScale(3);
    const double oneAbove = 0.2 * std::exp(10.0 / 41.0);
    for (QPoint at : {QPoint(267, 627), QPoint(269, 629)}) {
        QTest::mouseClick(view, Qt::LeftButton, {}, at);
        EXPECT_NEAR(state->time.m_speed, oneAbove, 1e-12) << at.x() << "," << at.y();
        QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(3 * 45, 3 * 260));  // STOP
        EXPECT_EQ(state->time.m_speed, 0.0);
    }
    QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(270, 627));  // the pixel (90, 209)
    EXPECT_EQ(state->time.m_speed, 0.0);                            // right of the strip
    QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(267, 630));  // (89, 210): the band
    EXPECT_EQ(state->time.m_speed, 0.0);
}

// The offscreen screen is 800 pixels wide: only the actual size fits, so the
// menu offers no other factor, and its keys do nothing.
TEST_F(Scale, FactorsWhoseWindowDoesNotFitAreGreyed) {
    CMainFrame* frame = app->MainFrame();
    ASSERT_LT(frame->screen()->availableGeometry().width(), 2 * OrbViewWidget::kClientWidth);
    EXPECT_EQ(frame->LargestFittingScale(), 1);
    EXPECT_FALSE(frame->ActionFor(res::ID_VIEW_ZOOM_IN)->isEnabled());
    EXPECT_FALSE(frame->ActionFor(res::ID_VIEW_ZOOM_OUT)->isEnabled());
    EXPECT_FALSE(frame->ActionFor(res::ID_VIEW_ACTUAL_SIZE)->isEnabled());
    frame->ZoomTo(2);
    EXPECT_EQ(view->Scale(), 1);
    QTest::keyClick(frame, Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(view->Scale(), 1);
    // Set larger by hand, the way back is offered, and takes the window back.
    view->SetScale(2);
    frame->UpdateZoomItems();
    EXPECT_TRUE(frame->ActionFor(res::ID_VIEW_ZOOM_OUT)->isEnabled());
    EXPECT_TRUE(frame->ActionFor(res::ID_VIEW_ACTUAL_SIZE)->isEnabled());
    frame->ZoomTo(1);
    EXPECT_EQ(view->Scale(), 1);
    EXPECT_EQ(frame->menuBar()->width(), OrbViewWidget::kClientWidth);  // the window shrank
    EXPECT_FALSE(frame->ActionFor(res::ID_VIEW_ZOOM_OUT)->isEnabled());
}

// The offscreen screen is 800 x 800: in full screen the drawing stands at
// 1x, centred, 3 pixels from the left and 132 from the top, on black.
TEST_F(Scale, FullScreenCentresTheDrawingOnBlackAndIgnoresTheMargins) {
    CMainFrame* frame = app->MainFrame();
    state->m_hoverMouse = 0;
    frame->SetFullScreen(true);
    QTest::qWait(100);
    ASSERT_TRUE(frame->isFullScreen());
    EXPECT_FALSE(frame->menuBar()->isVisible());
    EXPECT_EQ(view->size(), frame->screen()->geometry().size());
    EXPECT_EQ(view->Scale(), 1);
    const QPoint origin(3, 132);
    EXPECT_EQ(Difference(origin), "") << "entering full screen";
    EXPECT_FALSE(frame->ActionFor(res::ID_VIEW_ZOOM_IN)->isEnabled());

    state->time.m_speed = 7.0;
    for (QPoint margin : {QPoint(1, 300), QPoint(400, 131), QPoint(797, 300), QPoint(400, 668)}) {
        QTest::mouseClick(view, Qt::LeftButton, {}, margin);
        EXPECT_EQ(state->time.m_speed, 7.0) << margin.x() << "," << margin.y();
    }
    QTest::mouseClick(view, Qt::LeftButton, {}, origin + QPoint(89, 209));
    EXPECT_NEAR(state->time.m_speed, 0.2 * std::exp(10.0 / 41.0), 1e-12);

    // Escape leaves full screen first; the next one is the browsing screen's.
    QTest::keyClick(view, Qt::Key_T);
    ASSERT_EQ(state->time.m_browseMode, kBrowsingMode);
    EXPECT_EQ(Difference(origin), "") << "browsing in full screen";
    QTest::keyClick(view, Qt::Key_Escape);
    QTest::qWait(100);
    EXPECT_FALSE(frame->isFullScreen());
    EXPECT_TRUE(frame->menuBar()->isVisible());
    EXPECT_EQ(view->size(), QSize(OrbViewWidget::kClientWidth, OrbViewWidget::kClientHeight));
    EXPECT_EQ(state->time.m_browseMode, kBrowsingMode);
    EXPECT_EQ(Difference(), "") << "back in the window";
    QTest::keyClick(view, Qt::Key_Escape);
    EXPECT_EQ(state->time.m_browseMode, kTravelMode);

    // F11 enters and leaves it.
    QTest::keyClick(view, Qt::Key_F11);
    QTest::qWait(100);
    EXPECT_TRUE(frame->isFullScreen());
    QTest::keyClick(view, Qt::Key_F11);
    QTest::qWait(100);
    EXPECT_FALSE(frame->isFullScreen());
}

}  // namespace
}  // namespace orb
