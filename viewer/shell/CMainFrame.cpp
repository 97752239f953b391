#include "shell/CMainFrame.h"

#include <QAction>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <QWindow>

#include "display/ViewState.h"
#include "res/ResourceIds.h"
#include "shell/OrbViewWidget.h"

namespace orb {

namespace {

void Flip(int& flag) {
    flag = 1 - flag;
}

}  // namespace

CMainFrame::CMainFrame(ViewState& state, OrbViewWidget* view)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                               Qt::WindowCloseButtonHint),
      m_state(state),
      m_view(view) {
    // The caption names no document; a databank of one's own adds its name.
    BuildMenu();
    setCentralWidget(view);
    view->setFocus();
    // Fixed size: no resizing and, with no maximise hint, no maximising.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    move(0, 0);
}

QAction* CMainFrame::AddCommand(QMenu* menu, const QString& text, int id) {
    QAction* action = menu->addAction(text);
    action->setData(id);
    m_actions[id] = action;
    return action;
}

void CMainFrame::BuildMenu() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    QAction* select =
        AddCommand(file, QStringLiteral("Select  New  Databank"), res::ID_FILE_SELECTDATABANK);
    connect(select, &QAction::triggered, this, &CMainFrame::selectDatabankRequested);
    QAction* installed =
        AddCommand(file, QStringLiteral("Installed Databank"), res::ID_FILE_INSTALLED_DATABANK);
    connect(installed, &QAction::triggered, this, &CMainFrame::installedDatabankRequested);
    QAction* reload =
        AddCommand(file, QStringLiteral("Reload Databank"), res::ID_FILE_RELOAD_DATABANK);
    connect(reload, &QAction::triggered, this, &CMainFrame::reloadDatabankRequested);
    ShowDatabank(QString());
    file->addSeparator();
    QAction* exit = AddCommand(file, QStringLiteral("Exit"), res::ID_APP_EXIT);
    connect(exit, &QAction::triggered, this, &QWidget::close);

    m_options = menuBar()->addMenu(QStringLiteral("Options"));
    const struct {
        const char* text;
        int id;
        void (CMainFrame::*handler)();
    } options[] = {
        {"Clock", res::ID_OPTIONS_CLOCK, &CMainFrame::OnClock},
        {"Day/Night  Effects", res::ID_OPTIONS_DAYNIGHT, &CMainFrame::OnDayNight},
        {"Hovering  Mouse", res::ID_OPTIONS_HOVERMOUSE, &CMainFrame::OnHoverMouse},
        {"Warp  Animations", res::ID_OPTIONS_WARP, &CMainFrame::OnWarpAnimations},
    };
    for (const auto& option : options) {
        QAction* action = AddCommand(m_options, QString::fromLatin1(option.text), option.id);
        action->setCheckable(true);
        connect(action, &QAction::triggered, this, option.handler);
    }
    connect(m_options, &QMenu::aboutToShow, this, &CMainFrame::UpdateOptionChecks);
    UpdateOptionChecks();

    QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
    QAction* present =
        AddCommand(view, QStringLiteral("Return to the Present"), res::ID_VIEW_PRESENT);
    present->setShortcut(QKeySequence(Qt::Key_Home));
    connect(present, &QAction::triggered, this, &CMainFrame::returnToPresentRequested);
    view->addSeparator();
    const struct {
        const char* text = nullptr;
        int id = 0;
        QList<QKeySequence> keys;
        int (*factor)(int scale) = nullptr;
    } zooms[] = {
        {"Zoom In",
         res::ID_VIEW_ZOOM_IN,
         {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)},
         [](int scale) { return scale + 1; }},
        {"Zoom Out",
         res::ID_VIEW_ZOOM_OUT,
         {QKeySequence(Qt::CTRL | Qt::Key_Minus)},
         [](int scale) { return scale - 1; }},
        {"Actual Size",
         res::ID_VIEW_ACTUAL_SIZE,
         {QKeySequence(Qt::CTRL | Qt::Key_0)},
         [](int) { return 1; }},
    };
    for (const auto& zoom : zooms) {
        QAction* action = AddCommand(view, QString::fromLatin1(zoom.text), zoom.id);
        action->setShortcuts(zoom.keys);
        connect(action, &QAction::triggered, this,
                [this, factor = zoom.factor] { ZoomTo(factor(m_view->Scale())); });
    }
    QAction* full = AddCommand(view, QStringLiteral("Full Screen"), res::ID_VIEW_FULL_SCREEN);
    full->setShortcut(QKeySequence(Qt::Key_F11));
    full->setCheckable(true);
    connect(full, &QAction::triggered, this, [this] { SetFullScreen(!isFullScreen()); });
    // Its key works while the menu bar is hidden too.
    addAction(full);
    connect(m_view, &OrbViewWidget::leaveFullScreenRequested, this,
            [this] { SetFullScreen(false); });
    connect(view, &QMenu::aboutToShow, this, &CMainFrame::UpdateZoomItems);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    QAction* keys = AddCommand(help, QStringLiteral("Keys..."), res::ID_HELP_KEYS);
    connect(keys, &QAction::triggered, this, &CMainFrame::keysRequested);
    QAction* about = AddCommand(help, QStringLiteral("About... "), res::ID_APP_ABOUT);
    connect(about, &QAction::triggered, this, &CMainFrame::aboutRequested);

    // C and D without modifiers; the menu text shows no key, as in the menu
    // resource, so the keys live beside the items rather than on them. The
    // view takes the other keys itself.
    auto* clockKey = new QShortcut(QKeySequence(Qt::Key_C), this);
    connect(clockKey, &QShortcut::activated, this, &CMainFrame::OnClock);
    auto* dayNightKey = new QShortcut(QKeySequence(Qt::Key_D), this);
    connect(dayNightKey, &QShortcut::activated, this, &CMainFrame::OnDayNight);
}

void CMainFrame::ShowDatabank(const QString& name) {
    const QString caption = QString::fromLatin1(res::kMainCaption);
    setWindowTitle(name.isEmpty() ? caption : caption + QStringLiteral(" - ") + name);
    ActionFor(res::ID_FILE_INSTALLED_DATABANK)->setEnabled(!name.isEmpty());
    ActionFor(res::ID_FILE_RELOAD_DATABANK)->setEnabled(!name.isEmpty());
}

QAction* CMainFrame::ActionFor(int id) const {
    const auto it = m_actions.find(id);
    return it == m_actions.end() ? nullptr : it->second;
}

void CMainFrame::OnDayNight() {
    Flip(m_state.m_dayNightEffects);
}
void CMainFrame::OnClock() {
    Flip(m_state.m_showClock);
}
void CMainFrame::OnHoverMouse() {
    Flip(m_state.m_hoverMouse);
}
void CMainFrame::OnWarpAnimations() {
    Flip(m_state.m_warpAnimations);
}

void CMainFrame::OnUpdateDayNight() {
    ActionFor(res::ID_OPTIONS_DAYNIGHT)->setChecked(m_state.m_dayNightEffects != 0);
}
void CMainFrame::OnUpdateClock() {
    ActionFor(res::ID_OPTIONS_CLOCK)->setChecked(m_state.m_showClock != 0);
}
void CMainFrame::OnUpdateHoverMouse() {
    ActionFor(res::ID_OPTIONS_HOVERMOUSE)->setChecked(m_state.m_hoverMouse != 0);
}
void CMainFrame::OnUpdateWarpAnimations() {
    ActionFor(res::ID_OPTIONS_WARP)->setChecked(m_state.m_warpAnimations != 0);
}

void CMainFrame::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!m_framePlaced) {
        // The window manager's frame is known once the window is first
        // exposed, not before.
        windowHandle()->installEventFilter(this);
    }
    UpdateZoomItems();  // on the screen the window is shown on
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched == windowHandle() && event->type() == QEvent::Expose &&
        windowHandle()->isExposed()) {
        windowHandle()->removeEventFilter(this);
        m_framePlaced = true;
        KeepTitleBarOnScreen();
        UpdateZoomItems();  // now with the frame's real size
    }
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::KeepTitleBarOnScreen() {
    // A window manager that honours static gravity puts the client area at
    // the corner asked for and the title bar above the screen, where the
    // window can no longer be grabbed. The window's own margins are read:
    // the widget's frame may not have caught up with them yet.
    const QMargins margins = FrameMargins();
    const QPoint frame = geometry().topLeft() - QPoint(margins.left(), margins.top());
    if (!isFullScreen() && (frame.x() < 0 || frame.y() < 0)) {
        windowHandle()->setPosition(margins.left(), margins.top());
    }
}

QMargins CMainFrame::FrameMargins() const {
    const QWindow* window = windowHandle();
    return window != nullptr ? window->frameMargins() : QMargins();
}

void CMainFrame::SetFullScreen(bool on) {
    if (on == isFullScreen()) {
        return;
    }
    if (on) {
        // The fixed size the layout gave the window would hold it back.
        layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        menuBar()->hide();
        m_view->SetFullScreen(true);
        showFullScreen();
    } else {
        showNormal();
        menuBar()->show();
        m_view->SetFullScreen(false);
        layout()->setSizeConstraint(QLayout::SetFixedSize);
        layout()->activate();
    }
    ActionFor(res::ID_VIEW_FULL_SCREEN)->setChecked(on);
    UpdateZoomItems();
}

void CMainFrame::ZoomTo(int factor) {
    if (m_view->IsFullScreen() || factor < 1 || factor > LargestFittingScale()) {
        return;  // the item is greyed; its key does nothing either
    }
    m_view->SetScale(factor);
    layout()->activate();  // the window takes the view's new size now
    UpdateZoomItems();
}

int CMainFrame::LargestFittingScale() const {
    const QSize room = screen()->availableGeometry().size();
    // What the window manager's frame and the menu bar add to the view.
    const QMargins border = FrameMargins();
    const int extraWidth = border.left() + border.right();
    const int extraHeight = border.top() + border.bottom() + menuBar()->sizeHint().height();
    int factor = 1;
    while (factor < OrbViewWidget::kMostScale &&
           (factor + 1) * OrbViewWidget::kClientWidth + extraWidth <= room.width() &&
           (factor + 1) * OrbViewWidget::kClientHeight + extraHeight <= room.height()) {
        ++factor;
    }
    return factor;
}

void CMainFrame::UpdateZoomItems() {
    // In full screen the screen decides the factor.
    const bool window = !m_view->IsFullScreen();
    const int scale = m_view->Scale();
    ActionFor(res::ID_VIEW_ZOOM_IN)->setEnabled(window && scale < LargestFittingScale());
    ActionFor(res::ID_VIEW_ZOOM_OUT)->setEnabled(window && scale > 1);
    ActionFor(res::ID_VIEW_ACTUAL_SIZE)->setEnabled(window && scale != 1);
}

void CMainFrame::UpdateOptionChecks() {
    OnUpdateDayNight();
    OnUpdateClock();
    OnUpdateHoverMouse();
    OnUpdateWarpAnimations();
}

}  // namespace orb
