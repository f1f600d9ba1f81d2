#include "TransferFixture.h"
#include "core/devices/DeviceScanner.h"
#include "core/devices/DeviceTransfer.h"
#include "core/io/LocalFileSystem.h"
#include "support/ForwardingFileSystem.h"
#include "support/OwnVolumes.h"
#include "support/TempDir.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
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

    // Unmounted in teardown like the tmpfs volumes.
    void adopt(const Path& mountPoint) { mounts_.push_back(mountPoint); }

    void unmount(const std::string& name) {
        Path point = dir / name;
        ASSERT_EQ(::umount2(point.c_str(), 0), 0) << std::strerror(errno);
        std::erase(mounts_, point);
    }

    bool listed(const Path& volume) const {
        auto volumes = volumesBelow(dir.path())();
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

    auto devices = DeviceScanner(local).scan(volumesBelow(dir.path())());
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

namespace {

// Flips a byte of the written file in the disk image itself, behind the mounted file system's
// back, once the transfer has synced the POI folder and before it reads the file back.
class ImageCorruptingFileSystem final : public ForwardingFileSystem {
  public:
    ImageCorruptingFileSystem(Path image, Path poiFolder, Bytes written)
        : image_(std::move(image)), poiFolder_(std::move(poiFolder)), written_(std::move(written)) {
    }

    void syncDirectory(const Path& directory) const override {
        local.syncDirectory(directory);
        if (directory != poiFolder_)
            return;
        std::string disk = readText(image_);
        std::size_t at = disk.find(std::string(written_.begin(), written_.end()));
        ASSERT_NE(at, std::string::npos) << "the synced file is not in the image";
        char flipped = static_cast<char>(disk[at + written_.size() / 2] ^ 0x55);
        int fd = ::open(image_.c_str(), O_WRONLY);
        ASSERT_EQ(::pwrite(fd, &flipped, 1, static_cast<off_t>(at + written_.size() / 2)), 1);
        ::close(fd);
        corrupted = true;
    }

    mutable bool corrupted = false;

  private:
    Path image_, poiFolder_;
    Bytes written_;
};

} // namespace

TEST_F(RealMountTest, ReadBackSeesWhatTheMediumHoldsNotWhatIsCached) {
    Path image = dir / "sd.img", volume = dir / "SD";
    stdfs::create_directories(volume);
    std::string mount = "truncate -s 4M '" + image.string() + "' && mkfs.ext2 -q -F '" +
                        image.string() + "' && mount -o loop '" + image.string() + "' '" +
                        volume.string() + "'";
    if (std::system(mount.c_str()) != 0)
        GTEST_SKIP() << "no loop device to mount an ext2 image";
    adopt(volume);
    stdfs::create_directories(volume / "Garmin");
    GarminDevice device{volume, volume / "Garmin", std::nullopt, false};
    Bytes data = gpiFile({{"Medium", 40}});
    auto fs = std::make_shared<ImageCorruptingFileSystem>(image, device.poiFolderURL(), data);

    auto error =
        transferError([&] { DeviceTransfer(fs, backups, march1At0915).send(data, device); });
    EXPECT_TRUE(fs->corrupted);
    ASSERT_TRUE(error);
    EXPECT_TRUE(std::holds_alternative<DeviceTransferError::VerificationFailed>(error->kind))
        << error->description();
}
