#include "TransferFixture.h"
#include "core/devices/DeviceScanner.h"
#include "core/devices/DeviceTransfer.h"
#include "core/devices/LocalFileSystem.h"
#include "core/devices/MountedVolumes.h"
#include "support/TempDir.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <unistd.h>

using namespace marklode;
using namespace marklode::test;
namespace stdfs = std::filesystem;

namespace {

// Small tmpfs volumes below a temp folder, unmounted again in teardown.
class RealMountTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (::geteuid() != 0)
            GTEST_SKIP() << "needs root to mount";
    }

    void TearDown() override {
        for (auto it = mounts_.rbegin(); it != mounts_.rend(); ++it)
            ::umount2(it->c_str(), MNT_DETACH);
    }

    // Mounts a tmpfs of the given size at dir/name; false (and the test skipped) if the
    // machine doesn't allow mounting.
    bool mountVolume(const std::string& name, const std::string& size = "1m") {
        Path point = dir / name;
        stdfs::create_directories(point);
        std::string options = "size=" + size + ",mode=755";
        if (::mount("marklode-test", point.c_str(), "tmpfs", 0, options.c_str()) != 0) {
            ADD_FAILURE() << "mount failed: " << std::strerror(errno);
            return false;
        }
        mounts_.push_back(point);
        return true;
    }

    void unmount(const std::string& name) {
        Path point = dir / name;
        ASSERT_EQ(::umount2(point.c_str(), 0), 0) << std::strerror(errno);
        std::erase(mounts_, point);
    }

    static bool listed(const Path& volume) {
        auto volumes = defaultVolumeSource()();
        return std::find(volumes.begin(), volumes.end(), volume) != volumes.end();
    }

    TimeZone utc{"UTC"};
    TempDir dir;
    FileSystemHandle local = std::make_shared<LocalFileSystem>();
    Path backups = dir / "backups";

  private:
    std::vector<Path> mounts_;
};

} // namespace

TEST_F(RealMountTest, VolumeSourceListsAMountUntilItIsUnmounted) {
    ASSERT_TRUE(mountVolume("My GPS"));
    stdfs::create_directories(dir / "My GPS/Garmin");
    EXPECT_TRUE(listed(dir / "My GPS")); // its space arrives escaped in the mount table

    auto devices = DeviceScanner(local).scan(defaultVolumeSource()());
    auto found = std::find_if(devices.begin(), devices.end(),
                              [&](const GarminDevice& d) { return d.volumeURL == dir / "My GPS"; });
    ASSERT_NE(found, devices.end());
    EXPECT_EQ(found->displayName(), "My GPS");

    unmount("My GPS");
    EXPECT_FALSE(listed(dir / "My GPS"));
}

TEST_F(RealMountTest, NearlyFullVolumeFailsWithItsRealFreeSpace) {
    ASSERT_TRUE(mountVolume("SD", "256k"));
    dir.write("SD/Garmin/POI/poi.gpi", std::string(100'000, 'x'));
    GarminDevice device{dir / "SD", dir / "SD/Garmin", std::nullopt, false};
    auto available = local->availableCapacity(device.volumeURL);
    ASSERT_TRUE(available);
    ASSERT_LT(*available, 165'536);

    DeviceTransfer transfer(local, backups, march1At0915);
    Bytes data = paddedTo(gpiFile({{"A", 1}}), 100'000);
    EXPECT_EQ(transferError([&] { transfer.send(data, device); }),
              DeviceTransferError::notEnoughSpace("SD", 165'536, *available));
    EXPECT_EQ(readText(dir / "SD/Garmin/POI/poi.gpi"), std::string(100'000, 'x'));
    EXPECT_FALSE(stdfs::exists(backups));
}

TEST_F(RealMountTest, ReadOnlyRemountIsRefusedBeforeAnyBackup) {
    ASSERT_TRUE(mountVolume("SD"));
    dir.write("SD/Garmin/POI/poi.gpi", "old");
    ASSERT_EQ(::mount(nullptr, (dir / "SD").c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr), 0)
        << std::strerror(errno);
    GarminDevice device{dir / "SD", dir / "SD/Garmin", "Drive 53", true};
    DeviceTransfer transfer(local, backups, march1At0915);

    auto readOnly = DeviceTransferError::readOnly("Drive 53");
    EXPECT_EQ(transferError([&] { transfer.send(gpiFile({{"A", 1}}), device); }), readOnly);
    EXPECT_EQ(transferError([&] { transfer.removeCustomPOIs(device); }), readOnly);
    EXPECT_FALSE(stdfs::exists(backups));
    EXPECT_EQ(readText(dir / "SD/Garmin/POI/poi.gpi"), "old");
}

TEST_F(RealMountTest, SendReadBackAndRemoveRoundTrip) {
    ASSERT_TRUE(mountVolume("GARMIN"));
    dir.write("GARMIN/GARMIN/GarminDevice.xml",
              "<Device><Model><Description>Drive 53</Description></Model></Device>");
    auto device = DeviceScanner(local).device(dir / "GARMIN");
    ASSERT_TRUE(device);
    DeviceTransfer transfer(local, backups, march1At0915);

    Bytes first = gpiFile({{"A", 2}, {"B", 3}});
    EXPECT_EQ(transfer.send(first, *device), (TransferResult{std::nullopt, 5}));
    EXPECT_EQ(readText(dir / "GARMIN/GARMIN/POI/poi.gpi"), text(first));

    Bytes second = gpiFile({{"C", 7}});
    Path firstBackup = backups / "Drive 53/2025-03-01_09-15-00";
    EXPECT_EQ(transfer.send(second, *device), (TransferResult{firstBackup, 7}));
    EXPECT_EQ(readText(firstBackup / "poi.gpi"), text(first));
    EXPECT_FALSE(stdfs::exists(dir / "GARMIN/GARMIN/POI/poi.gpi.marklode-tmp"));

    EXPECT_EQ(transfer.removeCustomPOIs(*device),
              (TransferResult{backups / "Drive 53/2025-03-01_09-15-00-2", 0}));
    EXPECT_FALSE(stdfs::exists(dir / "GARMIN/GARMIN/POI/poi.gpi"));
    EXPECT_TRUE(stdfs::is_directory(dir / "GARMIN/GARMIN/POI"));
    EXPECT_EQ(readText(backups / "Drive 53/2025-03-01_09-15-00-2/poi.gpi"), text(second));
}
