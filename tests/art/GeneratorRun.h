// Running an art generator from a test, as the build does.
#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

// A generator's exit code (-1 if it crashed or did not finish within two
// minutes) and what it wrote to its error output.
struct GeneratorRun {
    int exitCode = -1;
    QByteArray errors;
};

inline GeneratorRun RunGenerator(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    GeneratorRun run;
    if (process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit) {
        run.exitCode = process.exitCode();
    }
    run.errors = process.readAllStandardError();
    return run;
}
