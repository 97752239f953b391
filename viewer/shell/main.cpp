// The viewer: travels through time from -15,000,000,000 to 15,000,000,000.
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <optional>

#include "display/ViewState.h"
#include "display/ViewerProgram.h"
#include "platform/CommandLine.h"
#include "platform/SoundPlayer.h"
#include "platform/SystemClock.h"
#include "platform/qt/QtBitmapSource.h"
#include "platform/qt/QtFontSource.h"
#include "platform/qt/SystemSound.h"
#include "res/AppIcon.h"
#include "res/ResourceIds.h"
#include "shell/COrbApp.h"
#include "shell/FirstPaintReport.h"
#include "shell/InstallPath.h"
#include "shell/OrbViewWidget.h"

namespace {

void ReportFailure(const std::string& message) {
    std::fprintf(stderr, "orb: %s\n", message.c_str());
    QMessageBox::critical(nullptr, QString::fromLatin1(orb::res::kAppTitle),
                          QString::fromStdString(message));
}

// With ORB_REPORT_FIRST_PAINT set, says on standard error when the first
// complete travel-screen paint is on screen. The report waits for the next
// turn of the event loop: the window's pixels are handed to the display
// after the paint event returns.
void ReportFirstPaint(const orb::COrbApp& orbApp, std::optional<orb::FirstPaintReport>& report) {
    const char* setting = std::getenv("ORB_REPORT_FIRST_PAINT");
    if (setting == nullptr || *setting == '\0') {
        return;
    }
    report.emplace(setting);
    QObject::connect(orbApp.ViewWidget(), &orb::OrbViewWidget::firstTravelScreenPainted,
                     orbApp.ViewWidget(), [&report] {
                         QTimer::singleShot(0, [&report] {
                             std::fprintf(stderr, "%s\n", report->Line().c_str());
                         });
                     });
}

}  // namespace

int main(int argc, char** argv) {
    // Answered before the application exists: these need no display.
    platform::CommandLineDecision decided;
    if (const std::optional<int> status =
            orb::AnswerViewerCommandLine(argc, argv, std::cout, std::cerr, decided)) {
        return *status;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orbilon"));
    QApplication::setApplicationVersion(QString::fromLatin1(orb::res::kVersion));
    QApplication::setWindowIcon(orb::res::AppIcon());

    // The viewer's one state record, for the whole run. It holds fonts, so it
    // is made after the application and goes before it.
    const auto viewState = std::make_unique<orb::ViewState>();
    const platform::SystemClock clock;
    const platform::QtFontSource fonts;
    const platform::QtBitmapSource bitmaps;
    platform::SoundPlayer sound(platform::CreateSystemSoundBackend());
    orb::COrbApp orbApp(*viewState, orb::ViewSources{clock, fonts, bitmaps}, sound, g_szInstallPath,
                        &ReportFailure);
    if (!orbApp.InitInstance()) {
        return 1;
    }
    if (!decided.file.empty()) {
        orbApp.OpenStartDatabank(decided.file);
    }
    std::optional<orb::FirstPaintReport> firstPaint;
    ReportFirstPaint(orbApp, firstPaint);
    return QApplication::exec();
}
