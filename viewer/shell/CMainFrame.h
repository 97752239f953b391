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

class CMainFrame final : public QMainWindow {
    Q_OBJECT
  public:
    CMainFrame(ViewState& state, QWidget* view);

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

  signals:
    void aboutRequested();
    void keysRequested();
    void returnToPresentRequested();

  private:
    QAction* AddCommand(QMenu* menu, const QString& text, int id);
    void BuildMenu();
    void UpdateOptionChecks();

    ViewState& m_state;
    QMenu* m_options = nullptr;
    std::map<int, QAction*> m_actions;
};

}  // namespace orb
