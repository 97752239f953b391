#include "shell/OrbViewWidget.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPalette>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <utility>

#include "platform/FontSource.h"
#include "platform/SoundPlayer.h"
#include "platform/qt/FrameImage.h"
#include "shell/CAutopilotDlg.h"
#include "shell/ViewAccessible.h"

namespace orb {

namespace {

// The system's window colour: what an erased window shows before any paint.
platform::ColorRef WindowColour() {
    const QColor c = QApplication::palette().color(QPalette::Window);
    return platform::Rgb(static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
                         static_cast<std::uint8_t>(c.blue()));
}

}  // namespace

OrbViewWidget::OrbViewWidget(ViewState& state, const ViewSources& sources,
                             platform::SoundPlayer& sound, volatile char* installPathField,
                             QWidget* parent)
    : QWidget(parent),
      m_state(state),
      m_frame(WindowColour()),
      m_stockFont(sources.fonts.CreateFont("Arial", -16)),
      m_screenDc(m_frame, m_stockFont.get()),
      m_sound(sound) {
    // Paints never erase: the framebuffer keeps what earlier paints drew.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::StrongFocus);
    // The lever follows the pointer without a button held.
    setMouseTracking(true);
    setFixedSize(kClientWidth, kClientHeight);
    // Qt asks the factories for every object's interface; one for the
    // process is enough.
    static const bool installed = (QAccessible::installFactory(&ViewAccessibleFactory), true);
    static_cast<void>(installed);
    m_view = std::make_unique<COrbView>(state, *this, sources, installPathField);
}

OrbViewWidget::~OrbViewWidget() {
    for (auto& [id, timer] : m_timers) {
        timer->stop();
    }
    m_view.reset();
}

void OrbViewWidget::Invalidate() {
    // Any number of requests before the event loop comes round make one paint.
    if (!m_drawPending) {
        m_drawPending = true;
        if (m_inTick) {
            return;  // the tick paints when its handler returns
        }
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (m_drawPending) {
                    Draw();
                }
            },
            Qt::QueuedConnection);
    }
}

void OrbViewWidget::Draw() {
    m_drawPending = false;
    const bool wholeTravelScreen = !m_travelScreenPainted && m_state.m_repaintFrame != 0 &&
                                   m_state.time.m_browseMode < kBrowsingScreenFrom;
    platform::Dc dc(m_frame, m_stockFont.get());
    m_view->OnDraw(dc);
    for (const platform::Rect& changed : dc.Changed()) {
        update(OnWidget(changed.x, changed.y, changed.width, changed.height));
    }
    if (wholeTravelScreen) {
        m_travelScreenDrawn = true;
        update();
    }
    Announce();
}

void OrbViewWidget::Announce() {
    // The words are made only for someone listening: a screen reader, or a
    // test. The tick's paint pays nothing otherwise.
    if (!QAccessible::isActive() &&
        !isSignalConnected(QMetaMethod::fromSignal(&OrbViewWidget::wordsTold))) {
        return;
    }
    const ViewWords words = Words();
    if (words.name == m_announced.name && words.value == m_announced.value) {
        return;
    }
    constexpr qint64 kRunningTimeQuietMs = 1000;
    const bool timeRuns =
        m_state.time.m_browseMode < kBrowsingScreenFrom && m_state.time.m_speed != 0.0;
    if (timeRuns && m_sinceAnnounced.isValid() &&
        m_sinceAnnounced.elapsed() < kRunningTimeQuietMs) {
        return;
    }
    m_announced = words;
    m_sinceAnnounced.start();
    const QString value = QString::fromStdString(words.value);
    // Without a screen reader listening, Qt drops these at once.
    QAccessibleEvent named(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
    QAccessibleValueChangeEvent valued(this, value);
    QAccessible::updateAccessibility(&valued);
    emit wordsTold(QString::fromStdString(words.name), value);
}

void OrbViewWidget::SetScale(int factor) {
    m_windowScale = std::clamp(factor, 1, kMostScale);
    if (m_fullScreen) {
        return;  // taken up when full screen ends
    }
    m_scale = m_windowScale;
    m_origin = QPoint(0, 0);
    setFixedSize(kClientWidth * m_scale, kClientHeight * m_scale);
    update();  // the whole drawing at its new size
}

void OrbViewWidget::SetFullScreen(bool on) {
    m_fullScreen = on;
    if (!on) {
        SetScale(m_windowScale);
        return;
    }
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    PlaceFullScreen();
}

void OrbViewWidget::PlaceFullScreen() {
    // Counted in the screen's own pixels, so that each pixel of the drawing
    // is a whole block of them on any density.
    const qreal ratio = devicePixelRatioF();
    const int width = qRound(this->width() * ratio);
    const int height = qRound(this->height() * ratio);
    m_scale = std::max(1, std::min(width / kClientWidth, height / kClientHeight));
    m_origin = QPoint((width - kClientWidth * m_scale) / 2, (height - kClientHeight * m_scale) / 2);
    update();
}

qreal OrbViewWidget::DevicePerPixel() const {
    // A window's factor is in the widget's pixels; the full screen's is in
    // the screen's.
    return m_fullScreen ? m_scale : m_scale * devicePixelRatioF();
}

QRect OrbViewWidget::OnWidget(int x, int y, int width, int height) const {
    const qreal block = DevicePerPixel();
    const qreal ratio = devicePixelRatioF();
    return QRectF((m_origin.x() + x * block) / ratio, (m_origin.y() + y * block) / ratio,
                  width * block / ratio, height * block / ratio)
        .toAlignedRect();
}

std::optional<QPoint> OrbViewWidget::InDrawing(QPointF at) const {
    const qreal block = DevicePerPixel();
    const qreal ratio = devicePixelRatioF();
    const QPoint pixel(static_cast<int>(std::floor((at.x() * ratio - m_origin.x()) / block)),
                       static_cast<int>(std::floor((at.y() * ratio - m_origin.y()) / block)));
    if (pixel.x() < 0 || pixel.y() < 0 || pixel.x() >= kClientWidth || pixel.y() >= kClientHeight) {
        return std::nullopt;
    }
    return pixel;
}

void OrbViewWidget::SetTimer(int id, int periodMs) {
    QTimer*& timer = m_timers[id];
    if (timer == nullptr) {
        timer = new QTimer(this);
        timer->setTimerType(Qt::PreciseTimer);
        connect(timer, &QTimer::timeout, this, [this, id] {
            // Twenty ticks a second: painting here spares each one a trip
            // through the event queue and a wake-up of the event loop.
            m_inTick = true;
            m_view->OnTimer(id);
            m_inTick = false;
            if (m_drawPending) {
                Draw();
            }
        });
    }
    timer->start(periodMs);  // setting a running timer again restarts it
}

void OrbViewWidget::KillTimer(int id) {
    const auto it = m_timers.find(id);
    if (it != m_timers.end()) {
        it->second->stop();
    }
}

bool OrbViewWidget::IsTimerRunning(int id) const {
    const auto it = m_timers.find(id);
    return it != m_timers.end() && it->second->isActive();
}

bool OrbViewWidget::PlaySound(const char* name, unsigned flags) {
    return m_sound.PlaySound(name, flags);
}

void OrbViewWidget::RunAutopilot(AutopilotFields& fields) {
    // Owned by the main window, as a dialog made without a parent is.
    CAutopilotDlg dialog(window());
    dialog.m_nDay = fields.m_nDay;
    dialog.m_strMonth = QString::fromStdString(fields.m_strMonth);
    dialog.m_strEra = QString::fromStdString(fields.m_strEra);
    dialog.m_dYear = fields.m_dYear;
    dialog.m_nHour = fields.m_nHour;
    dialog.m_nMinute = fields.m_nMinute;
    dialog.exec();
    fields.m_nDay = dialog.m_nDay;
    fields.m_strMonth = dialog.m_strMonth.toStdString();
    fields.m_strEra = dialog.m_strEra.toStdString();
    fields.m_dYear = dialog.m_dYear;
    fields.m_nHour = dialog.m_nHour;
    fields.m_nMinute = dialog.m_nMinute;
}

void OrbViewWidget::Warn(const std::string& message) {
    std::fprintf(stderr, "orb: %s\n", message.c_str());
}

void OrbViewWidget::paintEvent(QPaintEvent* event) {
    // The framebuffer as it stands: the view drew into it when it asked. The
    // asked-for area is widened to whole pixels of the drawing.
    const QRect area = event->rect();
    QPainter painter(this);
    if (m_fullScreen) {
        painter.fillRect(area, Qt::black);  // the margins; the drawing goes over it
    }
    // In the screen's pixels from here on.
    const qreal ratio = devicePixelRatioF();
    const qreal block = DevicePerPixel();
    const QRectF inDrawing(area.x() * ratio - m_origin.x(), area.y() * ratio - m_origin.y(),
                           area.width() * ratio, area.height() * ratio);
    const int left = std::max(0, static_cast<int>(std::floor(inDrawing.left() / block)));
    const int top = std::max(0, static_cast<int>(std::floor(inDrawing.top() / block)));
    const int right =
        std::min(kClientWidth, static_cast<int>(std::ceil(inDrawing.right() / block)));
    const int bottom =
        std::min(kClientHeight, static_cast<int>(std::ceil(inDrawing.bottom() / block)));
    if (right > left && bottom > top) {
        const QRect source(left, top, right - left, bottom - top);
        // Each pixel of the drawing becomes a block of device pixels, kept
        // sharp.
        painter.scale(1 / ratio, 1 / ratio);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.drawImage(QRectF(m_origin.x() + left * block, m_origin.y() + top * block,
                                 source.width() * block, source.height() * block),
                          platform::FrameImage(std::as_const(m_frame)), source);
    }
    if (m_travelScreenDrawn && !m_travelScreenPainted) {
        m_travelScreenPainted = true;
        emit firstTravelScreenPainted();
    }
}

namespace {

// The view's key for a key event, if it has one. Keys held with Ctrl, Alt or
// Meta are not the view's.
std::optional<ViewKey> ViewKeyFor(const QKeyEvent& event) {
    const Qt::KeyboardModifiers mods = event.modifiers();
    if ((mods & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0) {
        return std::nullopt;
    }
    const bool shift = (mods & Qt::ShiftModifier) != 0;
    switch (event.key()) {
        case Qt::Key_Up:
            return shift ? ViewKey::kShiftUp : ViewKey::kUp;
        case Qt::Key_Down:
            return shift ? ViewKey::kShiftDown : ViewKey::kDown;
        case Qt::Key_Space:
            return ViewKey::kSpace;
        case Qt::Key_Left:
            return ViewKey::kLeft;
        case Qt::Key_Right:
            return ViewKey::kRight;
        case Qt::Key_Plus:
            return ViewKey::kPlus;
        case Qt::Key_Minus:
            return ViewKey::kMinus;
        case Qt::Key_PageUp:
            return ViewKey::kPageUp;
        case Qt::Key_PageDown:
            return ViewKey::kPageDown;
        case Qt::Key_Escape:
            return ViewKey::kEscape;
        case Qt::Key_T:
            return ViewKey::kT;
        case Qt::Key_S:
            return ViewKey::kS;
        case Qt::Key_Home:
            return ViewKey::kHome;
        default:
            return std::nullopt;
    }
}

}  // namespace

void OrbViewWidget::keyPressEvent(QKeyEvent* event) {
    if (m_fullScreen && event->key() == Qt::Key_Escape) {
        emit leaveFullScreenRequested();  // before it means anything to the view
        event->accept();
        return;
    }
    if (const std::optional<ViewKey> key = ViewKeyFor(*event)) {
        m_view->OnKey(*key);
    } else {
        // Other characters play no part in the view; they are taken and dropped.
        m_view->OnChar();
    }
    event->accept();
}

void OrbViewWidget::mousePressEvent(QMouseEvent* event) {
    const std::optional<QPoint> at = InDrawing(event->position());
    event->accept();
    if (!at) {
        return;  // the black margins of full screen
    }
    if (event->button() == Qt::LeftButton) {
        m_view->OnLButtonDown(at->x(), at->y());
    } else if (event->button() == Qt::RightButton) {
        m_view->OnRButtonDown();
    }
}

void OrbViewWidget::mouseMoveEvent(QMouseEvent* event) {
    // When the window changes under a pointer that stands still (a menu or a
    // dialog closes), the toolkit reports a move to where the pointer was: that
    // is no move, and must not undo a speed the keys set.
    const QPointF global = event->globalPosition();
    if (m_lastPointer && *m_lastPointer == global) {
        return;
    }
    m_lastPointer = global;
    if (const std::optional<QPoint> at = InDrawing(event->position())) {
        m_view->OnMouseMove(at->x(), at->y());
    }
}

// The window-state events can arrive while the view is still being made.
void OrbViewWidget::resizeEvent(QResizeEvent*) {
    if (m_fullScreen) {
        PlaceFullScreen();
    }
    if (m_view) {
        m_view->OnSize();
    }
}

void OrbViewWidget::moveEvent(QMoveEvent*) {
    if (m_view) {
        m_view->OnMove();
    }
}

void OrbViewWidget::showEvent(QShowEvent*) {
    if (m_view) {
        m_view->OnShowWindow();
    }
}

void OrbViewWidget::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    m_view->OnSetFocus();
}

void OrbViewWidget::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    m_view->OnKillFocus();
}

}  // namespace orb
