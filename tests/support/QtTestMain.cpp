#include <QCoreApplication>
#include <QStandardPaths>
#include <gmock/gmock.h>

// The models need an event loop on the main thread; tests drive it while they wait.
int main(int argc, char** argv) {
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleMock(&argc, argv);
    return RUN_ALL_TESTS();
}
