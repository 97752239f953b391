// The upgrade installer: asks for the directory of the previous installation
// and brings it up to date from the medium in the current directory.
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <cstdio>
#include <iostream>
#include <memory>
#include <optional>

#include "platform/CommandLineAnswer.h"
#include "setup/gui/COrbSetupApp.h"
#include "setup/gui/InstallPass.h"
#include "setup/gui/QtWindowTimers.h"
#include "setup/res/AppIcon.h"
#include "setup/res/ResourceIds.h"

namespace {

void ReportStartFailure(const std::string& message) {
    std::fprintf(stderr, "setup: %s\n", message.c_str());
    QMessageBox::critical(nullptr, QString::fromLatin1(orbsetup::res::kAppTitle),
                          QString::fromStdString(message));
}

// The window shows the failure; this keeps a record of each new one.
void ReportPassFailure(const std::string& message) {
    std::fprintf(stderr, "setup: %s\n", message.c_str());
}

}  // namespace

int main(int argc, char** argv) {
    // Answered before the application exists: these need no display.
    const platform::ProgramInfo program{
        "setup", ORB_VERSION,
        "Orbilon's upgrade installer: brings an installation directory up to date.",
        "Start it from the distribution medium, where it finds the files it installs."};
    if (const std::optional<int> status =
            platform::AnswerCommandLine(program, argc, argv, std::cout, std::cerr)) {
        return *status;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(orbsetup::res::kAppTitle));
    QApplication::setWindowIcon(orbsetup::res::AppIcon());

    orbsetup::COrbSetupApp setupApp(
        orbsetup::PassFromCurrentDirectory(), QDir::homePath().toStdString(),
        std::make_unique<orbsetup::QtWindowTimers>(), &ReportStartFailure, &ReportPassFailure);
    if (!setupApp.InitInstance()) {
        return 1;
    }
    return QApplication::exec();
}
