// What the installer's window says about a pass that could not finish: the
// path it stopped at and the system's reason, drawn over the background until
// a pass completes. The same failure met again by the next retry is not news.
// Also what a complete pass could not add for the desktop, which stays shown.
#pragma once

#include <QString>
#include <string>

#include "setup/install/PassOutcome.h"

class QPainter;
class QRect;

namespace orbsetup {

class PassFailureNotice {
  public:
    // Takes the outcome of a failed pass into `directory`. Returns true when
    // it differs from the failure shown before, so it should be told.
    bool Show(const std::string& directory, const PassOutcome& outcome);
    // Takes a complete pass into `directory` whose menu entry was not made,
    // for `problem`. No pass follows, so this is told once.
    void ShowDesktopMissed(const std::string& directory, const PassProblem& problem);
    void Clear();

    bool IsShown() const { return !m_text.isEmpty(); }
    const QString& Text() const { return m_text; }

    // Draws the notice at the foot of `client`; nothing when none is shown.
    void Draw(QPainter& painter, const QRect& client) const;

  private:
    // `text` with the directory, the path and the reason for %1, %2 and %3.
    void Set(const char* text, const std::string& directory, const PassProblem& problem);

    std::string m_failedPath;
    std::string m_reason;
    QString m_text;
};

}  // namespace orbsetup
