#include "setup/gui/ModelessDialog.h"

#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "platform/qt/DialogUnits.h"
#include "setup/gui/Caption.h"

namespace orbsetup {

ModelessDialog::ModelessDialog(QWidget* parent, const QString& caption, int width, int height)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    SetCaption(*this, caption);
    // A pixel smaller than the viewer's dialogs: at 11 pixels the longest
    // text of the wizard would not fit into the dialog at all. The dialog
    // units stay those of the template font.
    QFont font = platform::DialogFont();
    font.setPixelSize(10);
    setFont(font);
    setFixedSize(platform::DluX(width), platform::DluY(height));
    setModal(false);
}

void ModelessDialog::Create() {
    m_hasWindow = true;
    show();
    OnInitDialog();
}

void ModelessDialog::DestroyWindow() {
    m_hasWindow = false;
    hide();
}

QLabel* ModelessDialog::AddText(const char* text, int x, int y, int width) {
    auto* label = new QLabel(QString::fromLatin1(text), this);
    label->setGeometry(platform::DluRect(x, y, width, 8));
    // The template's width was measured in another font; a text never loses
    // its end to it, as far as the dialog reaches.
    const int needed = std::min(label->sizeHint().width(), this->width() - label->x());
    if (needed > label->width()) {
        label->resize(needed, label->height());
    }
    return label;
}

QPushButton* ModelessDialog::AddButton(const char* text, const char* idName, int x, int y) {
    auto* button = new QPushButton(QString::fromLatin1(text), this);
    button->setObjectName(QString::fromLatin1(idName));
    button->setGeometry(platform::DluRect(x, y, 50, 14));
    // Only the default button answers Enter.
    button->setAutoDefault(false);
    return button;
}

}  // namespace orbsetup
