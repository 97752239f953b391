#include "platform/qt/DialogLabel.h"

#include <QLabel>
#include <algorithm>

#include "platform/qt/DialogUnits.h"

namespace platform {

QLabel* AddDialogLabel(QWidget* parent, const QString& text, int x, int y, int width, int height,
                       LabelWidth fit) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(DluRect(x, y, width, height));
    if (fit == LabelWidth::kFitText) {
        // A template's width was measured in its own font; the text keeps
        // its end in this one.
        const int needed = std::min(label->sizeHint().width(), parent->width() - label->x());
        if (needed > label->width()) {
            label->resize(needed, label->height());
        }
    }
    return label;
}

}  // namespace platform
