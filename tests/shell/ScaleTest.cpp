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
    // The first place where the screen differs from the framebuffer with each
    // pixel as a `scale` x `scale` block, or "".
    std::string Difference() {
        QTest::qWait(150);  // the pending paint, and the toolkit's own
        const QWidget* window = view->window();
        const QPoint at = view->mapTo(window, QPoint(0, 0));
        const QImage shown =
            window->screen()
                ->grabWindow(window->winId(), at.x(), at.y(), view->width(), view->height())
                .toImage()
                .convertToFormat(QImage::Format_RGB32);
        const int scale = view->Scale();
        if (shown.size() !=
            QSize(OrbViewWidget::kClientWidth * scale, OrbViewWidget::kClientHeight * scale)) {
            return "the window shows " + std::to_string(shown.width()) + " x " +
                   std::to_string(shown.height());
        }
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x) {
                if ((shown.pixel(x, y) | 0xFF000000u) !=
                    view->Frame().PixelAt(x / scale, y / scale)) {
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

}  // namespace
}  // namespace orb
