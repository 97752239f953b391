// A program's icon from the images compiled into it. For Qt code only.
#pragma once

#include <QIcon>
#include <QString>

namespace platform {

// Every ":/icons/<name>-<size>.png" the program holds, each at its size; a
// null icon when it holds none.
QIcon ResourceIcon(const QString& name);

}  // namespace platform
