#include "shell/ViewAccessible.h"

#include "display/AccessibleText.h"
#include "shell/OrbViewWidget.h"

namespace orb {

ViewAccessible::ViewAccessible(OrbViewWidget* view)
    : QAccessibleWidget(view, QAccessible::StaticText) {}

QString ViewAccessible::text(QAccessible::Text kind) const {
    const auto* view = static_cast<const OrbViewWidget*>(widget());
    if (kind == QAccessible::Name) {
        return QString::fromStdString(view->Words().name);
    }
    if (kind == QAccessible::Value) {
        return QString::fromStdString(view->Words().value);
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
