// The installer's main window: maximised with an empty caption, its menu and
// keys, the background stretched over the client area, the repaint timer.
#include <gtest/gtest.h>

#include <QAction>
#include <QEvent>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QWindow>
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "platform/Bitmap.h"
#include "platform/qt/LoadBitmap.h"
#include "setup/gui/QtWindowTimers.h"
#include "support/DoubledPixels.h"
#include "support/ModalWatch.h"
#include "support/SetupRig.h"

namespace orbsetup {
namespace {

using SetupWindow = orbtest::SetupRig;

TEST_F(SetupWindow, OpensMaximisedWithAnEmptyCaptionThatStaysEmpty) {
    StartShown();
    CMainFrame* frame = Frame();
    EXPECT_TRUE(frame->isMaximized());
    // What the window system is given to show, not only what the widget holds.
    ASSERT_NE(frame->windowHandle(), nullptr);
    EXPECT_EQ(frame->windowHandle()->title(), QStringLiteral(" "));
    const Qt::WindowFlags flags = frame->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowSystemMenuHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(frame->findChildren<QToolBar*>().isEmpty());
    EXPECT_EQ(frame->findChild<QStatusBar*>(), nullptr);

    // Restored, it is the frame of the template at the origin, as far as
    // the screen lets it be.
    EXPECT_EQ(frame->normalGeometry(), QRect(0, 0, 2999, 2999));
    frame->showNormal();
    EXPECT_FALSE(frame->isMaximized());
    EXPECT_EQ(frame->frameGeometry().topLeft(), QPoint(0, 0));

    // The installation's end does not name a document in the caption either.
    Confirm(QStringLiteral("/opt/orbilon"));
    View().repaint();
    ASSERT_TRUE(Complete().isVisible());
    EXPECT_EQ(frame->windowHandle()->title(), QStringLiteral(" "));
}

TEST_F(SetupWindow, FileMenuHoldsASeparatorThenExitWhichClosesTheWindow) {
    StartShown();
    const QList<QAction*> popups = Frame()->menuBar()->actions();
    ASSERT_EQ(popups.size(), 1);
    EXPECT_EQ(popups[0]->text(), QStringLiteral("&File"));
    const QList<QAction*> items = popups[0]->menu()->actions();
    ASSERT_EQ(items.size(), 2);
    EXPECT_TRUE(items[0]->isSeparator());
    EXPECT_EQ(items[1]->text(), QStringLiteral("E&xit"));
    EXPECT_EQ(items[1], Frame()->ActionFor(res::ID_APP_EXIT));
    EXPECT_FALSE(popups[0]->menu()->separatorsCollapsible());

    items[1]->trigger();
    EXPECT_FALSE(Frame()->isVisible());
}

TEST_F(SetupWindow, CtrlOShowsTheFileOpenDialogAndTheInstallerCarriesOn) {
    StartShown();
    // The keys belong to the main window; the user clicks it first.
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            Frame()->activateWindow();
            return QApplication::activeWindow() == Frame();
        },
        2000));
    orbtest::ModalWatch watch;
    QTest::keyClick(&View(), Qt::Key_O, Qt::ControlModifier);
    ASSERT_EQ(watch.seen.size(), 1u);
    EXPECT_EQ(watch.seen[0].className, QStringLiteral("QFileDialog"));
    EXPECT_EQ(watch.seen[0].title, QStringLiteral("Open"));
    // Ctrl+N makes the empty document again; neither touches the wizard.
    QTest::keyClick(&View(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(watch.seen.size(), 1u);
    ASSERT_NE(Wizard(), nullptr);
    EXPECT_TRUE(Wizard()->isVisible());
    EXPECT_EQ(Frame()->windowHandle()->title(), QStringLiteral(" "));
    Confirm(QStringLiteral("/opt/orbilon"));
    EXPECT_EQ(View().PendingDirectory(), "/opt/orbilon");
}

// Points of bitmap 133 whose 5 x 5 neighbourhood is of one colour, give or
// take a little: a stretched copy shows that colour around the scaled point,
// whatever the rounding of the scaling.
std::vector<QPoint> EvenPoints(const QImage& picture) {
    auto even = [&](int x, int y) {
        const QColor centre = picture.pixelColor(x, y);
        for (int dy = -2; dy <= 2; ++dy) {
            for (int dx = -2; dx <= 2; ++dx) {
                const QColor c = picture.pixelColor(x + dx, y + dy);
                if (std::abs(c.red() - centre.red()) > 3 ||
                    std::abs(c.green() - centre.green()) > 3 ||
                    std::abs(c.blue() - centre.blue()) > 3) {
                    return false;
                }
            }
        }
        return true;
    };
    std::vector<QPoint> points;
    // Near the four corners and the middle, and one inside the white title.
    for (QPoint p :
         {QPoint(10, 10), QPoint(789, 10), QPoint(10, 589), QPoint(789, 589), QPoint(400, 450)}) {
        if (even(p.x(), p.y())) {
            points.push_back(p);
        }
    }
    bool titleFound = false;
    for (int y = 2; y < 200 && !titleFound; ++y) {
        for (int x = 2; x < 798 && !titleFound; ++x) {
            if (qGray(picture.pixel(x, y)) > 235 && even(x, y)) {
                points.emplace_back(x, y);
                titleFound = true;
            }
        }
    }
    EXPECT_TRUE(titleFound) << "no white title in bitmap 133";
    return points;
}

void ExpectStretched(const QImage& shown, const QImage& picture) {
    const std::vector<QPoint> points = EvenPoints(picture);
    ASSERT_GE(points.size(), 5u);
    for (QPoint p : points) {
        const int x = (2 * p.x() + 1) * shown.width() / 1600;
        const int y = (2 * p.y() + 1) * shown.height() / 1200;
        const QColor want = picture.pixelColor(p);
        const QColor got = shown.pixelColor(x, y);
        EXPECT_LE(std::abs(got.red() - want.red()) + std::abs(got.green() - want.green()) +
                      std::abs(got.blue() - want.blue()),
                  9)
            << "picture (" << p.x() << "," << p.y() << ") shown at (" << x << "," << y << ") in "
            << shown.width() << " x " << shown.height();
    }
    // The picture's own edges reach the client area's edges: nothing of it is
    // cut off or moved in, which the gradient alone would hide.
    const QPoint last(picture.width() - 1, picture.height() - 1);
    const QPoint shownLast(shown.width() - 1, shown.height() - 1);
    for (const auto& [from, to] :
         {std::pair{QPoint(0, 0), QPoint(0, 0)},
          std::pair{QPoint(last.x(), 0), QPoint(shownLast.x(), 0)},
          std::pair{QPoint(0, last.y()), QPoint(0, shownLast.y())}, std::pair{last, shownLast}}) {
        const QColor want = picture.pixelColor(from);
        const QColor got = shown.pixelColor(to);
        EXPECT_LE(std::abs(got.red() - want.red()) + std::abs(got.green() - want.green()) +
                      std::abs(got.blue() - want.blue()),
                  24)
            << "corner (" << from.x() << "," << from.y() << ") shown at (" << to.x() << ","
            << to.y() << ")";
    }
}

QImage Bitmap133() {
    const platform::Bitmap bitmap = platform::LoadBitmap(res::IDB_BACKGROUND);
    QImage image(bitmap.Width(), bitmap.Height(), QImage::Format_RGB32);
    for (int y = 0; y < bitmap.Height(); ++y) {
        for (int x = 0; x < bitmap.Width(); ++x) {
            image.setPixel(x, y, bitmap.PixelAt(x, y));
        }
    }
    return image;
}

TEST_F(SetupWindow, BackgroundIsBitmap133Of800By600At24Bits) {
    const platform::Bitmap bitmap = platform::LoadBitmap(res::IDB_BACKGROUND);
    EXPECT_EQ(bitmap.Width(), 800);
    EXPECT_EQ(bitmap.Height(), 600);
    EXPECT_EQ(bitmap.SourceBitsPerPixel(), 24);
    // Bright at the top, darker towards the bottom.
    const QImage picture = Bitmap133();
    EXPECT_GT(qGray(picture.pixel(5, 5)), qGray(picture.pixel(5, 594)));
}

TEST_F(SetupWindow, BackgroundIsStretchedOverTheWholeClientArea) {
    StartShown();
    const QImage picture = Bitmap133();
    {
        SCOPED_TRACE("maximised");
        ExpectStretched(View().grab().toImage(), picture);
    }
    for (QSize size : {QSize(640, 400), QSize(1300, 1000)}) {
        Frame()->showNormal();
        Frame()->resize(size);
        QCoreApplication::processEvents();
        ASSERT_NE(View().size(), picture.size());
        SCOPED_TRACE(
            QStringLiteral("%1 x %2").arg(View().width()).arg(View().height()).toStdString());
        ExpectStretched(View().grab().toImage(), picture);
    }
}

// On a screen of twice the density the picture is drawn at the device's own
// pixels: at 800 x 600 each of its pixels is a sharp 2 x 2 block, and
// stretched it looks as it does at ordinary density.
TEST_F(SetupWindow, AtTwiceTheDensityTheBackgroundIsDrawnAtDevicePixels) {
    StartShown();
    const QImage picture = Bitmap133();
    {
        SCOPED_TRACE("maximised");
        ExpectStretched(orbtest::RenderDoubled(View()), picture);
    }
    View().resize(picture.size());
    const QImage shown = orbtest::RenderDoubled(View());
    ASSERT_EQ(shown.size(), QSize(1600, 1200));
    const orbtest::DoubledCheck check = orbtest::CheckDoubled(
        shown, picture.size(), [&picture](int x, int y) { return picture.pixel(x, y); });
    EXPECT_EQ(check.mismatches, 0) << check.first;
    EXPECT_GT(check.narrowFeatures, 100);
}

// Counts the paints a widget receives.
class PaintCounter : public QObject {
  public:
    int paints = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
        }
        return false;
    }
};

TEST_F(SetupWindow, TimerOneAsksForAPaintAndOtherTimersDoNot) {
    StartShown();
    PaintCounter counter;
    View().installEventFilter(&counter);
    QTest::qWait(50);
    const int before = counter.paints;
    View().OnTimer(2);
    View().OnTimer(0);
    QCoreApplication::processEvents();
    EXPECT_EQ(counter.paints, before);
    View().OnTimer(1);
    QCoreApplication::processEvents();
    EXPECT_EQ(counter.paints, before + 1);
    Tick();
    EXPECT_EQ(counter.paints, before + 2);
    View().removeEventFilter(&counter);
}

// The program's own timers: the first paint starts timer 1 at a second, and
// its ticks alone bring a pending installation to an end; it runs on after.
TEST_F(SetupWindow, RealTimerRetriesEverySecondAndKeepsRunning) {
    auto real = std::make_unique<QtWindowTimers>();
    QtWindowTimers* timer = real.get();
    script = {PassOutcome{false, "/opt/orbilon/orb.exe", "Permission denied", {}}};
    Start(std::move(real));
    ASSERT_TRUE(started);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Frame()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return timer->IsActive(1); }, 2000));
    EXPECT_EQ(timer->Interval(1), 1000);

    QTest::keyClicks(Wizard()->DirectoryEdit(), QStringLiteral("/opt/orbilon"));
    QTest::mouseClick(Wizard()->OkButton(), Qt::LeftButton);
    // No paint asked for by anything but the timer: a failed pass, then one
    // that completes a second later.
    EXPECT_TRUE(QTest::qWaitFor([&] { return Complete().isVisible(); }, 4000));
    EXPECT_EQ(passes.size(), 2u);
    EXPECT_TRUE(timer->IsActive(1));
}

}  // namespace
}  // namespace orbsetup
