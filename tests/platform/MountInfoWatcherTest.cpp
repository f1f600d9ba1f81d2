#include "platform/MountInfoWatcher.h"

#include "models/DeviceViewModel.h"
#include "platform/PlatformServices.h"
#include "platform/UDisksEjector.h"
#include "support/OwnVolumes.h"
#include "support/QtTestSupport.h"
#include "support/TempDir.h"

#include <QElapsedTimer>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <unistd.h>

using namespace marklode;
using namespace marklode::test;

namespace {

// Real tmpfs mounts below /tmp; the model learns of them only through the mount table's
// change notification, since nothing else makes it scan.
class VolumeWatcherTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (::geteuid() != 0)
            GTEST_SKIP() << "needs root to mount; run the tests as root to cover volume "
                            "notifications";
    }

    void TearDown() override {
        for (auto it = mounts.rbegin(); it != mounts.rend(); ++it)
            ::umount2(it->c_str(), MNT_DETACH);
    }

    Path mountTmpfs(const std::string& name) {
        Path point = dir / name;
        std::filesystem::create_directories(point);
        if (::mount("marklode-test", point.c_str(), "tmpfs", 0, "size=1m,mode=755") != 0)
            ADD_FAILURE() << "mount failed: " << std::strerror(errno);
        mounts.push_back(point);
        return point;
    }

    // A mounted volume that has its Garmin folder from the first moment: a staged tmpfs bound
    // to its final place.
    Path mountGarminVolume(const std::string& name) {
        Path stage = mountTmpfs(name + "-stage");
        std::filesystem::create_directories(stage / "Garmin");
        Path point = dir / name;
        std::filesystem::create_directories(point);
        if (::mount(stage.c_str(), point.c_str(), nullptr, MS_BIND, nullptr) != 0)
            ADD_FAILURE() << "bind mount failed: " << std::strerror(errno);
        mounts.push_back(point);
        return point;
    }

    void unmount(const Path& point) {
        ASSERT_EQ(::umount2(point.c_str(), 0), 0) << std::strerror(errno);
        std::erase(mounts, point);
    }

    TempDir dir;
    std::vector<Path> mounts;
};

bool lists(const DeviceViewModel& model, const Path& volume) {
    const auto& devices = model.devices();
    return std::any_of(devices.begin(), devices.end(),
                       [&](const GarminDevice& device) { return device.volumeURL == volume; });
}

TEST_F(VolumeWatcherTest, MountingAndUnmountingReachTheDeviceList) {
    DeviceServices services = platformDeviceServices();
    services.volumes = volumesBelow(dir.path());
    DeviceViewModel model(services, QLocale(QStringLiteral("en_US")));
    model.startWatchingVolumes();

    Path volume = mountGarminVolume("NUVI");
    EXPECT_TRUE(QTest::qWaitFor([&] { return lists(model, volume); }, 5000))
        << "the mount was not noticed";

    unmount(volume);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !lists(model, volume); }, 5000))
        << "the unmount was not noticed";
}

// Other tests may mount at the same time, so the number of signals is not known; their spacing
// is: a signal only ever follows a quiet spell.
TEST_F(VolumeWatcherTest, ABurstOfChangesGivesOneSignal) {
    MountInfoWatcher watcher;
    ASSERT_TRUE(watcher.isWatching());
    std::vector<qint64> signalled;
    QElapsedTimer clock;
    clock.start();
    QObject::connect(&watcher, &VolumeWatcher::volumesChanged,
                     [&] { signalled.push_back(clock.elapsed()); });
    for (const char* name : {"a", "b", "c", "d", "e"})
        mountTmpfs(name);
    unmount(dir / "b");
    QTest::qWait(400);
    ASSERT_FALSE(signalled.empty());
    EXPECT_LT(signalled.size(), 6u);
    for (std::size_t i = 1; i < signalled.size(); ++i)
        EXPECT_GE(signalled[i] - signalled[i - 1], 40) << "signals " << i - 1 << " and " << i;
}

} // namespace

namespace {

TEST_F(VolumeWatcherTest, WithoutUDisksTheVolumeIsUnmountedDirectly) {
    Path volume = mountTmpfs("CARD");
    UDisksEjector noBus([] { return QDBusConnection(QStringLiteral("marklode-no-such-bus")); });
    EXPECT_TRUE(noBus.eject(volume));
    auto listed = volumesBelow(dir.path())();
    EXPECT_EQ(std::find(listed.begin(), listed.end(), volume), listed.end());
    std::erase(mounts, volume);
    EXPECT_FALSE(noBus.eject(volume)) << "nothing mounted there any more";
}

} // namespace
