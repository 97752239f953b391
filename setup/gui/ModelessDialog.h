// What the installer's two dialogs share: a template laid out in dialog
// units (modal frame, caption, close box), static texts and push buttons at
// their places, and a window made and closed apart from the object, as a
// modeless dialog's is.
#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;

namespace orbsetup {

class ModelessDialog : public QDialog {
    Q_OBJECT
  public:
    // Makes the window: visible, centred over its parent's window.
    void Create();
    // Closes the window; the object stays.
    void DestroyWindow();
    bool HasWindow() const { return m_hasWindow; }

  protected:
    // A template of `width` x `height` dialog units.
    ModelessDialog(QWidget* parent, const QString& caption, int width, int height);

    // Fills the controls as the window is made.
    virtual void OnInitDialog() {}

    // A static text of one line, 8 units high, at (x, y); wider than `width`
    // when its text needs it.
    QLabel* AddText(const char* text, int x, int y, int width);
    // A push button of 50 x 14 units at (x, y), named after its id for tests.
    QPushButton* AddButton(const char* text, const char* idName, int x, int y);

  private:
    bool m_hasWindow = false;
};

}  // namespace orbsetup
