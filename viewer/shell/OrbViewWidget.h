// The view's window: shows the view's 800 x 600 framebuffer, clipped to the
// client area, and gives the view its paints, timers and sound. A paint the
// view asks for runs its OnDraw on the framebuffer; then only the blocks whose
// pixels it changed are handed to the toolkit.
#pragma once

#include <QElapsedTimer>
#include <QPointF>
#include <QRect>
#include <QWidget>
#include <map>
#include <memory>
#include <optional>

#include "display/AccessibleText.h"
#include "display/COrbView.h"
#include "display/ViewHost.h"
#include "display/ViewSources.h"
#include "platform/Dc.h"
#include "platform/Font.h"
#include "platform/Framebuffer.h"

namespace platform {
class SoundPlayer;
}  // namespace platform

class QTimer;

namespace orb {

class OrbViewWidget final : public QWidget, public ViewHost {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(OrbViewWidget)
  public:
    // What a classic 800 x 580 frame with a caption and a menu bar leaves for
    // the view: the right and bottom edges of the drawing fall outside.
    static constexpr int kClientWidth = 794;
    static constexpr int kClientHeight = 536;

    // Builds the view; throws platform::FileException when it cannot load.
    OrbViewWidget(ViewState& state, const ViewSources& sources, platform::SoundPlayer& sound,
                  volatile char* installPathField, QWidget* parent = nullptr);
    ~OrbViewWidget() override;

    COrbView& View() { return *m_view; }
    const platform::Framebuffer& Frame() const { return m_frame; }

    // ViewHost
    platform::Dc& ScreenDc() override { return m_screenDc; }
    void Invalidate() override;
    void SetTimer(int id, int periodMs) override;
    void KillTimer(int id) override;
    bool PlaySound(const char* name, unsigned flags) override;
    void RunAutopilot(AutopilotFields& fields) override;
    void Warn(const std::string& message) override;

    bool IsTimerRunning(int id) const;

    // Runs the view's paint now, as a serviced invalidate does, and hands
    // what it changed to the toolkit.
    void Draw();

    // The whole factor each pixel of the drawing is shown at: 1 to kMostScale
    // in the widget's pixels in a window (the widget grows with it), and in
    // the screen's own pixels in full screen. Pointer positions map back to
    // the drawing.
    static constexpr int kMostScale = 4;
    void SetScale(int factor);
    int Scale() const { return m_scale; }
    // Full screen: the widget takes the window's whole size and shows the
    // drawing at the largest whole factor that fits, centred on black;
    // pointer events on the margins are not the view's. Off, the factor
    // SetScale last gave comes back.
    void SetFullScreen(bool on);
    bool IsFullScreen() const { return m_fullScreen; }

    // What the view shows, in words (its accessible name and value).
    ViewWords Words() const { return DescribeView(m_state); }

  signals:
    // Once, when the first paint that drew the whole travel screen is done.
    void firstTravelScreenPainted();
    // Escape was pressed in full screen: it leaves full screen first.
    void leaveFullScreenRequested();
    // When assistive technology is told of new words (see Announce).
    void wordsTold(const QString& name, const QString& value);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    // Tells assistive technology when the words changed: at once when time
    // stands, lands or a browsing action is done; while time runs, at most
    // once a second.
    void Announce();
    // How many of the screen's pixels one pixel of the drawing spans.
    qreal DevicePerPixel() const;
    // The block of the widget that shows the drawing's rectangle.
    QRect OnWidget(int x, int y, int width, int height) const;
    // The drawing's pixel under a widget position; none on the margins.
    std::optional<QPoint> InDrawing(QPointF at) const;
    // Full screen: the factor and the place of the drawing for the widget's size.
    void PlaceFullScreen();

    ViewState& m_state;
    bool m_travelScreenPainted = false;
    // The first whole travel screen is drawn and waits for its presenting.
    bool m_travelScreenDrawn = false;
    bool m_drawPending = false;
    bool m_inTick = false;  // a timer's handler runs
    int m_scale = 1;
    int m_windowScale = 1;  // the factor outside full screen
    bool m_fullScreen = false;
    QPoint m_origin;  // where the drawing's corner stands, in the screen's pixels
    std::optional<QPointF> m_lastPointer;  // where the last real move went, on the screen
    ViewWords m_announced;                 // what assistive technology was last told
    QElapsedTimer m_sinceAnnounced;
    platform::Framebuffer m_frame;
    // What the window's contexts draw text with until a font is selected.
    std::unique_ptr<platform::Font> m_stockFont;
    platform::Dc m_screenDc;
    platform::SoundPlayer& m_sound;
    std::map<int, QTimer*> m_timers;
    std::unique_ptr<COrbView> m_view;
};

}  // namespace orb
