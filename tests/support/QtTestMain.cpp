#include "translations/DesktopLanguage.h"

#include <QCoreApplication>
#include <QStandardPaths>
#include <gmock/gmock.h>

// The models need an event loop on the main thread; tests drive it while they wait.
int main(int argc, char** argv) {
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication application(argc, argv);
    // The tests read the English texts, whatever the machine's language.
    marklode::useLanguage("en");
    ::testing::InitGoogleMock(&argc, argv);
    return RUN_ALL_TESTS();
}
