#include "setup/gui/ModelessDialog.h"

#include <QFont>
#include <QPushButton>

#include "platform/qt/DialogLabel.h"
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
    // The template's widths were measured in another font than this smaller
    // one; a text never loses its end to them.
    return platform::AddDialogLabel(this, QString::fromLatin1(text), x, y, width, 8,
                                    platform::LabelWidth::kFitText);
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
