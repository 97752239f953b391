// The viewer: travels through time from -15,000,000,000 to 15,000,000,000.
#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <cstdio>
#include <memory>

#include "display/ViewState.h"
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
