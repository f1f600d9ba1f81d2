#include "core/io/LocalFileSystem.h"
#include "models/DeviceViewModel.h"
#include "platform/FolderRevealer.h"
#include "platform/PlatformServices.h"
#include "platform/UDisksEjector.h"
#include "support/PrivateBus.h"
#include "support/QtTestSupport.h"
#include "support/TempDir.h"

#include <QDBusConnectionInterface>
#include <QFile>
#include <QPointer>
#include <QProcess>
#include <gtest/gtest.h>
#include <sstream>

using namespace marklode;
using namespace marklode::test;

namespace {

const QString busName = PrivateBus::name;
const std::string block = "/org/freedesktop/UDisks2/block_devices/sdz1";
const std::string drive = "/org/freedesktop/UDisks2/drives/Card_Reader_0001";

// A private bus with mock services on it (UDisks2, the file manager), so the exact calls can
// be read back.
class MockBusTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (auto unavailable = bus.start())
            GTEST_SKIP() << *unavailable;
    }

    void TearDown() override { bus.stop(); }

    void startMock(const QString& parameters) {
        startMock({QStringLiteral("-t"), QStringLiteral(MARKLODE_TEST_DATA "/app/udisks2_mock.py"),
                   QStringLiteral("-p"), parameters},
                  QStringLiteral("org.freedesktop.UDisks2"), QString::fromStdString(block),
                  QStringLiteral("Unmount"));
    }

    void startMock(const QStringList& arguments, const QString& service, const QString& readyPath,
                   const QString& readyMethod) {
        ASSERT_TRUE(bus.startMock(arguments, log, service, readyPath, readyMethod));
    }

    UDisksEjector ejector() const {
        return UDisksEjector([] { return QDBusConnection(busName); });
    }

    std::vector<std::string> calls() const {
        std::vector<std::string> found;
        std::istringstream lines(readText(log));
        std::string line;
        while (std::getline(lines, line))
            if (auto at = line.find(" call "); at != std::string::npos)
                found.push_back(line.substr(at + 6));
        return found;
    }

    PrivateBus bus;
    TempDir dir;
    Path log = dir / "calls.log";
};

TEST_F(MockBusTest, UnmountsThenPowersOffOrEjectsTheDrive) {
    struct Case {
        const char* parameters;
        bool ejected;
        std::vector<std::string> calls;
    };
    const Case cases[] = {
        {R"({"mountPoint": "/media/u/GARMIN", "canPowerOff": true})",
         true,
         {block + " Unmount", drive + " PowerOff"}},
        {R"({"mountPoint": "/media/u/GARMIN", "canPowerOff": false, "ejectable": true})",
         true,
         {block + " Unmount", drive + " Eject"}},
        {R"({"mountPoint": "/media/u/GARMIN", "canPowerOff": false, "ejectable": false})",
         true,
         {block + " Unmount"}},
        {R"({"mountPoint": "/media/u/GARMIN", "refuseUnmount": true})",
         false,
         {block + " Unmount"}},
    };
    for (const Case& c : cases) {
        startMock(QString::fromLatin1(c.parameters));
        EXPECT_EQ(ejector().eject("/media/u/GARMIN"), c.ejected) << c.parameters;
        EXPECT_EQ(calls(), c.calls) << c.parameters;
        TearDown();
        SetUp();
    }
}

TEST_F(MockBusTest, RefusalReachesTheUserAsCouldntBeEjected) {
    Path volume = dir / "GARMIN";
    std::filesystem::create_directories(volume / "Garmin");
    startMock(QStringLiteral(R"({"mountPoint": "%1", "refuseUnmount": true})")
                  .arg(QString::fromStdString(volume.string())));
    DeviceServices services = platformDeviceServices();
    services.volumes = [volume] { return std::vector<Path>{volume}; };
    services.ejector = std::make_shared<UDisksEjector>(ejector());
    DeviceViewModel model(services, QLocale(QStringLiteral("en_US")));
    await(model.refresh());
    ASSERT_EQ(model.devices().size(), 1u);
    await(model.eject(model.devices()[0]));
    EXPECT_EQ(text(model.errorMessage()),
              "\u201CGARMIN\u201D couldn't be ejected. Close any files open on it and try again.");
    EXPECT_EQ(calls(), std::vector<std::string>{block + " Unmount"});
    EXPECT_EQ(model.devices().size(), 1u);
}

} // namespace

namespace {

TEST_F(MockBusTest, RevealAsksTheFileManagerToShowTheFolder) {
    const QString name = QStringLiteral("org.freedesktop.FileManager1");
    startMock({name, QStringLiteral("/org/freedesktop/FileManager1"), name}, name,
              QStringLiteral("/org/freedesktop/FileManager1"), QStringLiteral("AddMethod"));
    QDBusMessage addMethod = QDBusMessage::createMethodCall(
        name, QStringLiteral("/org/freedesktop/FileManager1"),
        QStringLiteral("org.freedesktop.DBus.Mock"), QStringLiteral("AddMethod"));
    addMethod << name << QStringLiteral("ShowItems") << QStringLiteral("ass") << QString()
              << QString();
    ASSERT_EQ(QDBusConnection(busName).call(addMethod).type(), QDBusMessage::ReplyMessage);

    QPointer<QObject> call =
        revealInFileManager(dir / "Backups" / "2024-05-01_10-00-00", QDBusConnection(busName));
    std::string expected =
        "ShowItems [\"file://" + dir.path().string() + "/Backups/2024-05-01_10-00-00\"] \"\"";
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return readText(log).find(expected) != std::string::npos; }, 5000))
        << readText(log);
    EXPECT_TRUE(QTest::qWaitFor([&] { return call.isNull(); }, 5000)) << "answered, then freed";
}

} // namespace
