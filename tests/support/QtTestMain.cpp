// Test entry point for suites that draw text or widgets: a headless
// application must exist before any font or widget is made.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
    // A suite may name a screen of its own for the headless platform.
    if (!qEnvironmentVariable("QT_QPA_PLATFORM").startsWith(QLatin1String("offscreen"))) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
