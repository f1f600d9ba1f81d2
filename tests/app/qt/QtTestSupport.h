#pragma once

#include <QCoreApplication>
#include <QFuture>
#include <QSettings>
#include <QString>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string>

namespace marklode::test {

// Runs the event loop until the future has finished, so that results reach the main thread.
template <typename T> void await(QFuture<T> future, int timeoutMs = 20000) {
    bool finished = QTest::qWaitFor([&]() { return future.isFinished(); }, timeoutMs);
    ASSERT_TRUE(finished) << "timed out";
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Preferences in a file of the test's own, never the user's.
inline std::unique_ptr<QSettings> settingsFile(const std::filesystem::path& file) {
    return std::make_unique<QSettings>(QString::fromStdString(file.string()), QSettings::IniFormat);
}

inline std::string text(const std::optional<QString>& value) {
    return value ? value->toStdString() : std::string("<none>");
}

} // namespace marklode::test
