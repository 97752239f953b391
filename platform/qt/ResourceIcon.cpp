#include "platform/qt/ResourceIcon.h"

#include <QDir>
#include <QStringList>

namespace platform {

QIcon ResourceIcon(const QString& name) {
    // The sizes are those the build compiled in, read back from the names.
    const QString prefix = name + QLatin1Char('-');
    const QStringList files =
        QDir(QStringLiteral(":/icons")).entryList({prefix + QStringLiteral("*.png")}, QDir::Files);
    QIcon icon;
    for (const QString& file : files) {
        bool ok = false;
        const int size = file.mid(prefix.size(), file.size() - prefix.size() - 4).toInt(&ok);
        if (ok && size > 0) {
            icon.addFile(QStringLiteral(":/icons/") + file, QSize(size, size));
        }
    }
    return icon;
}

}  // namespace platform
