#include "platform/qt/ResourceIcon.h"

#include <QDir>
#include <QStringList>

namespace platform {

QIcon ResourceIcon(const QString& name) {
    const QStringList files =
        QDir(QStringLiteral(":/icons"))
            .entryList({name + QStringLiteral("-*.png")}, QDir::Files, QDir::Name);
    QIcon icon;
    for (const QString& file : files) {
        // Each image is taken at the size it has.
        icon.addFile(QStringLiteral(":/icons/") + file);
    }
    return icon;
}

}  // namespace platform
