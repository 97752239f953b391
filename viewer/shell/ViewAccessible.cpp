#include "shell/ViewAccessible.h"

#include "display/AccessibleText.h"
#include "shell/OrbViewWidget.h"

namespace orb {

ViewAccessible::ViewAccessible(OrbViewWidget* view)
    : QAccessibleWidget(view, QAccessible::StaticText) {}

QString ViewAccessible::text(QAccessible::Text kind) const {
    const auto* view = qobject_cast<const OrbViewWidget*>(widget());
    if (view != nullptr && (kind == QAccessible::Name || kind == QAccessible::Value)) {
        const ViewWords words = view->Words();
        return QString::fromStdString(kind == QAccessible::Name ? words.name : words.value);
    }
    return QAccessibleWidget::text(kind);
}

QAccessibleInterface* ViewAccessibleFactory(const QString&, QObject* object) {
    if (auto* view = qobject_cast<OrbViewWidget*>(object)) {
        return new ViewAccessible(view);
    }
    return nullptr;
}

}  // namespace orb
