// The viewer: travels through time from -15,000,000,000 to 15,000,000,000.
#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <cstdio>
#include <iostream>
#include <memory>
#include <optional>

#include "display/ViewState.h"
#include "platform/CommandLineAnswer.h"
#include "platform/SoundPlayer.h"
#include "platform/SystemClock.h"
#include "platform/SystemSound.h"
#include "res/ResourceIds.h"
#include "shell/COrbApp.h"
#include "shell/InstallPath.h"

namespace {

QIcon AppIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icons/orb-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

void ReportFailure(const std::string& message) {
    std::fprintf(stderr, "orb: %s\n", message.c_str());
    QMessageBox::critical(nullptr, QString::fromLatin1(orb::res::kAppTitle),
                          QString::fromStdString(message));
}

}  // namespace

int main(int argc, char** argv) {
    // Answered before the application exists: these need no display.
    const platform::ProgramInfo program{
        "orb", ORB_VERSION,
        "Orbilon: travels through time from the year -15,000,000,000 to 15,000,000,000.",
        "Start it from its installation directory, where it finds its sounds."};
    if (const std::optional<int> status =
            platform::AnswerCommandLine(program, argc, argv, std::cout, std::cerr)) {
        return *status;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orbilon"));
    QApplication::setApplicationVersion(QString::fromLatin1(orb::res::kVersion));
    QApplication::setWindowIcon(AppIcon());

    // The viewer's one state record, for the whole run. It holds fonts, so it
    // is made after the application and goes before it.
    const auto viewState = std::make_unique<orb::ViewState>();
    platform::SystemClock clock;
    platform::SoundPlayer sound(platform::CreateSystemSoundBackend());
    orb::COrbApp orbApp(*viewState, clock, sound, g_szInstallPath, &ReportFailure);
    if (!orbApp.InitInstance()) {
        return 1;
    }
    return QApplication::exec();
}
