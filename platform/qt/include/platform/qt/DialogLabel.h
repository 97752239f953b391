// A dialog template's static text: one line at its place in dialog units.
// For Qt Widgets code only.
#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace platform {

// How a static text's width follows its template.
enum class LabelWidth {
    kTemplate,  // as the template says, whatever the text needs
    kFitText,   // wider when the text needs it, as far as its parent reaches
};

// A static text on `parent` at (x, y), `width` x `height` dialog units.
QLabel* AddDialogLabel(QWidget* parent, const QString& text, int x, int y, int width, int height,
                       LabelWidth fit);

}  // namespace platform
