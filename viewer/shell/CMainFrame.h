// The main window: fixed size at the screen origin, the menu, the Options
// toggles with their check marks, the keys C and D, Return to the Present
// (Home) and the keys' help.
#pragma once

#include <QMainWindow>
#include <map>

class QAction;
class QMenu;

namespace orb {

struct ViewState;
class OrbViewWidget;

class CMainFrame final : public QMainWindow {
    Q_OBJECT
  public:
    CMainFrame(ViewState& state, OrbViewWidget* view);

    // The caption and the File items for the databank browsed: `name` is a
    // file of one's own, empty for the installed databank.
    void ShowDatabank(const QString& name);

    // The menu item that sends command `id`, or null.
    QAction* ActionFor(int id) const;
    QMenu* OptionsMenu() const { return m_options; }

    // Command handlers: each flips its option.
    void OnDayNight();
    void OnClock();
    void OnHoverMouse();
    void OnWarpAnimations();
    // Update handlers: each sets its item's check mark from its option.
    void OnUpdateDayNight();
    void OnUpdateClock();
    void OnUpdateHoverMouse();
    void OnUpdateWarpAnimations();

    // View, Zoom In, Zoom Out and Actual Size: the drawing at another whole
    // factor, the window grown with it. A factor whose window does not fit
    // the screen is not offered.
    void ZoomTo(int factor);
    // The largest factor whose window fits the screen's free area.
    int LargestFittingScale() const;
    // Greys the zoom items that would lead to a factor not offered.
    void UpdateZoomItems();
    // View, Full Screen (F11; F11 or Escape leaves it): the menu bar hidden,
    // the drawing at the largest whole factor the screen holds.
    void SetFullScreen(bool on);

  signals:
    void selectDatabankRequested();
    void installedDatabankRequested();
    void reloadDatabankRequested();
    void aboutRequested();
    void keysRequested();
    void returnToPresentRequested();

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QAction* AddCommand(QMenu* menu, const QString& text, int id);
    void BuildMenu();
    void UpdateOptionChecks();
    void KeepTitleBarOnScreen();
    // What the window manager's frame adds around the window, once known.
    QMargins FrameMargins() const;

    ViewState& m_state;
    OrbViewWidget* m_view;
    QMenu* m_options = nullptr;
    std::map<int, QAction*> m_actions;
    bool m_framePlaced = false;
};

}  // namespace orb
