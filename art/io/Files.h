// Reading and writing whole files. A generated file is written whole or not
// at all: the bytes go to a temporary file beside the target, which takes the
// target's name only once every byte is written and flushed; on any error the
// temporary is removed, so a failed run never leaves a half-written file for
// the build to pick up.
#pragma once

#include <QByteArray>
#include <QString>

namespace orb::art {

// True when `path` now holds exactly `bytes`; otherwise false with *error
// saying what failed, and nothing new at `path`.
bool WriteFileAtomically(const QString& path, const QByteArray& bytes, QString* error);

// The whole content of a file; empty when it cannot be read.
QByteArray ReadFileBytes(const QString& path);

}  // namespace orb::art
