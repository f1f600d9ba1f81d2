#include "translations/DesktopLanguage.h"

#include <QApplication>
#include <QStandardPaths>
#include <gmock/gmock.h>

// Window tests run offscreen in a real QApplication, unless told to use a display.
int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication application(argc, argv);
    // The tests read the English texts, whatever the machine's language.
    marklode::useLanguage("en");
    ::testing::InitGoogleMock(&argc, argv);
    return RUN_ALL_TESTS();
}
