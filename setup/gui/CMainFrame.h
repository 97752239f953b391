// The installer's main window: maximised, thin border, system menu, an empty
// caption that stays empty, the File menu with Exit, and the keys of the
// accelerator table that mean something here.
#pragma once

#include <QMainWindow>
#include <map>

class QAction;

namespace orbsetup {

class CMainFrame final : public QMainWindow {
    Q_OBJECT
  public:
    // Where the window stands and how large it is when not maximised.
    static constexpr int kRestoredX = 0;
    static constexpr int kRestoredY = 0;
    static constexpr int kRestoredSize = 2999;

    explicit CMainFrame(QWidget* view);

    // The menu item or key binding that sends command `id`, or null.
    QAction* ActionFor(int id) const;

  signals:
    void newRequested();
    void openRequested();

  private:
    QAction* AddCommand(int id);
    void BuildMenu();
    void BindKeys();

    std::map<int, QAction*> m_actions;
};

}  // namespace orbsetup
