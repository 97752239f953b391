#include "setup/gui/PassFailureNotice.h"

#include <QFont>
#include <QPainter>
#include <QRect>
#include <QTextOption>
#include <algorithm>

namespace orbsetup {

namespace {

constexpr int kMargin = 24;
constexpr int kPadding = 12;
constexpr int kMaxWidth = 720;
constexpr int kFontPixels = 15;

}  // namespace

bool PassFailureNotice::Show(const std::string& directory, const PassOutcome& outcome) {
    if (IsShown() && outcome.failedPath == m_failedPath && outcome.reason == m_reason) {
        return false;
    }
    Set("Setup could not finish the installation into %1.\n"
        "It stopped at %2: %3\n"
        "It tries again every second, and finishes once the cause is put right.",
        directory, PassProblem{outcome.failedPath, outcome.reason});
    return true;
}

void PassFailureNotice::ShowDesktopMissed(const std::string& directory,
                                          const PassProblem& problem) {
    Set("Setup installed Orbilon into %1, but could not add it to the desktop's menus: the "
        "menu entry was not made.\n"
        "It stopped at %2: %3",
        directory, problem);
}

void PassFailureNotice::Set(const char* text, const std::string& directory,
                            const PassProblem& problem) {
    m_failedPath = problem.path;
    m_reason = problem.reason;
    m_text = QString::fromLatin1(text).arg(QString::fromStdString(directory),
                                           QString::fromStdString(m_failedPath),
                                           QString::fromStdString(m_reason));
}

void PassFailureNotice::Clear() {
    m_failedPath.clear();
    m_reason.clear();
    m_text.clear();
}

void PassFailureNotice::Draw(QPainter& painter, const QRect& client) const {
    if (!IsShown()) {
        return;
    }
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(kFontPixels);
    painter.save();
    painter.setFont(font);
    // Long paths have no blanks to break at, so they may break anywhere.
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    const int width = std::max(1, std::min(client.width() - 2 * kMargin, kMaxWidth));
    const QRectF measured =
        painter.boundingRect(QRectF(0, 0, width - 2 * kPadding, client.height()), m_text, option);
    const int height = static_cast<int>(measured.height()) + 2 * kPadding;
    const QRect box(client.left() + (client.width() - width) / 2,
                    client.bottom() + 1 - kMargin - height, width, height);
    painter.fillRect(box, QColor(0, 0, 0, 170));
    painter.setPen(Qt::white);
    painter.drawText(QRectF(box.adjusted(kPadding, kPadding, -kPadding, -kPadding)), m_text,
                     option);
    painter.restore();
}

}  // namespace orbsetup
