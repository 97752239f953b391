#include "setup/gui/CMainFrame.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "setup/gui/Caption.h"
#include "setup/res/ResourceIds.h"

namespace orbsetup {

CMainFrame::CMainFrame(QWidget* view)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    // No minimise or maximise box and no title of the document: the caption
    // is empty for the whole run.
    SetCaption(*this, QString());
    BuildMenu();
    BindKeys();
    setCentralWidget(view);
    // The restored frame; the window opens maximised over it.
    setGeometry(kRestoredX, kRestoredY, kRestoredSize, kRestoredSize);
}

QAction* CMainFrame::AddCommand(int id) {
    auto* action = new QAction(this);
    action->setData(id);
    m_actions[id] = action;
    return action;
}

void CMainFrame::BuildMenu() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    // The menu starts with its separator, shown as the resource has it.
    file->setSeparatorsCollapsible(false);
    file->addSeparator();
    QAction* exit = AddCommand(res::ID_APP_EXIT);
    exit->setText(QStringLiteral("E&xit"));
    file->addAction(exit);
    connect(exit, &QAction::triggered, this, &QWidget::close);
}

void CMainFrame::BindKeys() {
    // New and Open reach the application, and through it the document, which
    // has nothing to make or load. Saving an empty document would only write
    // an empty file, the editing keys belong to the wizard's edit control and
    // there are no panes to move between, so the rest of the table is left
    // unbound.
    const struct {
        int id;
        QKeySequence keys;
        void (CMainFrame::*signal)();
    } keys[] = {
        {res::ID_FILE_NEW, QKeySequence(Qt::CTRL | Qt::Key_N), &CMainFrame::newRequested},
        {res::ID_FILE_OPEN, QKeySequence(Qt::CTRL | Qt::Key_O), &CMainFrame::openRequested},
    };
    for (const auto& key : keys) {
        QAction* action = AddCommand(key.id);
        action->setShortcut(key.keys);
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
        connect(action, &QAction::triggered, this, key.signal);
    }
}

QAction* CMainFrame::ActionFor(int id) const {
    const auto it = m_actions.find(id);
    return it == m_actions.end() ? nullptr : it->second;
}

}  // namespace orbsetup
