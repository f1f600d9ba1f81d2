#include <QApplication>
#include <QStandardPaths>
#include <gmock/gmock.h>

// Window tests run offscreen (the test's environment says so) in a real QApplication.
int main(int argc, char** argv) {
    QStandardPaths::setTestModeEnabled(true);
    QApplication application(argc, argv);
    ::testing::InitGoogleMock(&argc, argv);
    return RUN_ALL_TESTS();
}
