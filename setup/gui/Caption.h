// Captions as the window system shows them.
#pragma once

class QString;
class QWidget;

namespace orbsetup {

// Sets the caption of a top-level window. The toolkit writes the program's
// name into a caption left empty, so an empty one is shown as a single blank.
void SetCaption(QWidget& window, const QString& caption);

}  // namespace orbsetup
