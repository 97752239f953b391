// Closes whatever modal window opens while it lives, and records what it saw:
// a test that opens a message box or a file dialog cannot hang on it.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QString>
#include <QTimer>
#include <vector>

namespace orbtest {

class ModalWatch {
  public:
    struct Seen {
        QString className;
        QString title;
        QString text;  // a message box's text
    };

    ModalWatch() {
        m_timer.setInterval(20);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { Check(); });
        m_timer.start();
    }

    std::vector<Seen> seen;

  private:
    void Check() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            return;
        }
        Seen one{QString::fromLatin1(modal->metaObject()->className()), modal->windowTitle(),
                 QString()};
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            one.text = box->text();
        }
        seen.push_back(one);
        if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialog->reject();
        } else {
            modal->close();
        }
    }

    QTimer m_timer;
};

}  // namespace orbtest
