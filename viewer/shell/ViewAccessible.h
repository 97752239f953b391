// The view as assistive technology sees it: its name and value are the
// words of display/AccessibleText for the screen it shows, read afresh at
// every question.
#pragma once

#include <QAccessibleWidget>

class QObject;
class QString;

namespace orb {

class OrbViewWidget;

class ViewAccessible final : public QAccessibleWidget {
  public:
    explicit ViewAccessible(OrbViewWidget* view);
    QString text(QAccessible::Text kind) const override;
};

// Qt's question for an object's interface: a ViewAccessible for the view,
// nothing for anything else.
QAccessibleInterface* ViewAccessibleFactory(const QString& className, QObject* object);

}  // namespace orb
