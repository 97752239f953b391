// The viewer: travels through time from -15,000,000,000 to 15,000,000,000.
#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <cstdio>

#include "display/ViewState.h"
#include "platform/SoundPlayer.h"
#include "platform/SystemClock.h"
#include "res/ResourceIds.h"
#include "shell/COrbApp.h"
#include "shell/InstallPath.h"

namespace {

// The viewer's one state record, for the whole run.
orb::ViewState g_viewState;

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

    platform::SystemClock clock;
    platform::SoundPlayer sound(platform::CreateSystemSoundBackend());
    orb::COrbApp orbApp(g_viewState, clock, sound, g_szInstallPath, &ReportFailure);
    if (!orbApp.InitInstance()) {
        return 1;
    }
    const int status = QApplication::exec();
    // Fonts and bitmaps go before the application they were made under.
    g_viewState.ReleaseDrawingResources();
    return status;
}
