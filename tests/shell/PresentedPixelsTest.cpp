// What the window shows is the framebuffer, though only the blocks a paint
// changed are handed to the toolkit: read back from the window's backing
// store (a grab would run the paint again and hide a block left out), after
// ticks, travel, clicks and paints.
#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <string>

#include "shell/CMainFrame.h"
#include "shell/OrbViewWidget.h"
#include "support/ShellRig.h"

namespace orb {
namespace {

class PresentedPixels : public orbtest::ShownShell {
  protected:
    // What the window shows of the view now.
    QImage Shown() const {
        const QWidget* window = view->window();
        const QPoint at = view->mapTo(window, QPoint(0, 0));
        return window->screen()
            ->grabWindow(window->winId(), at.x(), at.y(), view->width(), view->height())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }

    // The first place where the screen and the framebuffer differ, or "".
    std::string Difference() {
        QTest::qWait(150);  // the pending paint, and the toolkit's own
        const QImage shown = Shown();
        if (shown.size() != view->size()) {
            return "the window shows nothing readable";
        }
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x) {
                if ((shown.pixel(x, y) | 0xFF000000u) != view->Frame().PixelAt(x, y)) {
                    return "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
                }
            }
        }
        return "";
    }
};

TEST_F(PresentedPixels, TheScreenIsTheFramebufferAfterEveryKindOfPaint) {
    EXPECT_EQ(Difference(), "") << "the first paint";
    QTest::mouseMove(view, QPoint(45, 120));  // fast forward: the date row runs
    EXPECT_EQ(Difference(), "") << "travel";
    // The pointer rests: what changes on screen now, the ticks painted.
    const QImage before = Shown();
    QTest::qWait(300);
    EXPECT_NE(Shown(), before) << "the ticks show the date running";
    EXPECT_EQ(Difference(), "") << "ticks";
    QTest::mouseMove(view, QPoint(400, 200));
    QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(380, 490));  // TIMELINE
    EXPECT_EQ(Difference(), "") << "browsing";
    const QImage browsing = Shown();
    QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(380, 490));  // a step forward
    QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(620, 490));  // zoom out
    EXPECT_EQ(Difference(), "") << "stepping and zooming";
    EXPECT_NE(Shown(), browsing) << "the clicks show the next stretch";
    QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(400, 200));  // back to travel
    EXPECT_EQ(Difference(), "") << "travel again";
    QTest::mouseClick(view, Qt::RightButton, {}, QPoint(400, 200));  // the whole screen again
    EXPECT_EQ(Difference(), "") << "a full repaint";
}

}  // namespace
}  // namespace orb
