#pragma once

#include "support/TempDir.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace marklode::test {

// A session bus of the test's own with a mock service on it (python-dbusmock), so that the exact
// calls can be read back from the mock's log. No service is started on demand: a test without
// its mock finds the service missing, never the one installed on the machine.
class PrivateBus {
  public:
    // The connection's name: QDBusConnection(PrivateBus::name) reaches the bus once started.
    static inline const QString name = QStringLiteral("marklode-private-bus");

    PrivateBus() = default;
    PrivateBus(const PrivateBus&) = delete;
    PrivateBus& operator=(const PrivateBus&) = delete;
    ~PrivateBus() { stop(); }

    // Why there can be no bus here, for the test to skip; none once the bus runs.
    std::optional<std::string> start() {
        if (QProcess::execute(QStringLiteral("/usr/bin/python3"),
                              {QStringLiteral("-c"), QStringLiteral("import dbusmock")}) != 0)
            return "python3-dbusmock is not installed (scripts/bootstrap installs it)";
        Path config = dir_.write("bus.conf", R"(<!DOCTYPE busconfig PUBLIC
 "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:tmpdir=/tmp</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
)");
        daemon_.start(QStringLiteral("dbus-daemon"),
                      {QStringLiteral("--config-file=") + QString::fromStdString(config.string()),
                       QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
        if (!daemon_.waitForStarted(5000))
            return "dbus-daemon can't be started (scripts/bootstrap installs it)";
        if (!daemon_.waitForReadyRead(5000))
            return "dbus-daemon did not tell its address";
        QString address = QString::fromUtf8(daemon_.readLine()).trimmed();
        environment_ = QProcessEnvironment::systemEnvironment();
        environment_.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), address);
        if (!QDBusConnection::connectToBus(address, name).isConnected())
            return "the private bus can't be reached";
        return std::nullopt;
    }

    void stop() {
        QDBusConnection::disconnectFromBus(name);
        stopMock();
        daemon_.kill();
        daemon_.waitForFinished(5000);
    }

    // The name appears on the bus before the template has added its objects, so readiness is
    // the last object introspecting with its last method.
    ::testing::AssertionResult startMock(const QStringList& arguments,
                                         const std::filesystem::path& log, const QString& service,
                                         const QString& readyPath, const QString& readyMethod) {
        mock_.setProcessEnvironment(environment_);
        mock_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        mock_.start(QStringLiteral("/usr/bin/python3"),
                    QStringList{QStringLiteral("-m"), QStringLiteral("dbusmock"),
                                QStringLiteral("--session"), QStringLiteral("-l"),
                                QString::fromStdString(log.string())} +
                        arguments);
        QDBusConnection bus(name);
        bool ready = QTest::qWaitFor(
            [&] {
                QDBusMessage reply = bus.call(QDBusMessage::createMethodCall(
                    service, readyPath, QStringLiteral("org.freedesktop.DBus.Introspectable"),
                    QStringLiteral("Introspect")));
                return reply.type() == QDBusMessage::ReplyMessage &&
                       reply.arguments().value(0).toString().contains(readyMethod);
            },
            10000);
        if (!ready)
            return ::testing::AssertionFailure() << "the mock did not appear on the bus";
        return ::testing::AssertionSuccess();
    }

    // Its service leaves the bus, as when it crashes.
    void stopMock() {
        mock_.kill();
        mock_.waitForFinished(5000);
    }

  private:
    using Path = std::filesystem::path;

    TempDir dir_;
    QProcess daemon_;
    QProcess mock_;
    QProcessEnvironment environment_;
};

} // namespace marklode::test
