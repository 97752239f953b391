// The upgrade installer: asks for the directory of the previous installation
// and brings it up to date from the medium in the current directory.
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "platform/CommandLineAnswer.h"
#include "setup/gui/COrbSetupApp.h"
#include "setup/gui/InstallPass.h"
#include "setup/gui/QtWindowTimers.h"
#include "setup/install/ApplicationsFolder.h"
#include "setup/install/InstallDirectory.h"
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

    // The viewer's desktop entry goes into the user's menus too.
    std::optional<std::string> applications =
        orbsetup::UserApplicationsFolder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
    if (!applications) {
        std::fprintf(stderr,
                     "setup: neither XDG_DATA_HOME nor HOME names a directory: the viewer's "
                     "desktop entry is written only into the installation directory\n");
    }
    // The medium is the current directory; where a package installed it, the
    // package's own installation of the viewer lies beside it.
    orbsetup::DirectoryRules rules{
        QDir::homePath().toStdString(),
        QDir::cleanPath(QDir::current().absoluteFilePath(QStringLiteral(ORB_PACKAGED_FROM_MEDIUM)))
            .toStdString()};
    orbsetup::COrbSetupApp setupApp(orbsetup::PassFromCurrentDirectory(std::move(applications)),
                                    std::move(rules), std::make_unique<orbsetup::QtWindowTimers>(),
                                    &ReportStartFailure, &ReportPassFailure);
    if (!setupApp.InitInstance()) {
        return 1;
    }
    return QApplication::exec();
}
