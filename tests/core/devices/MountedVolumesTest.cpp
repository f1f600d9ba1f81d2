#include "core/devices/MountedVolumes.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace marklode;

TEST(MountedVolumesTest, OffersLocalRemovableMountsInTableOrder) {
    const std::string table =
        "22 27 0:21 / /proc rw - proc proc rw\n"
        "27 1 254:0 / / rw,relatime - ext4 /dev/vda rw\n"
        "40 27 8:17 / /media/u/GARMIN rw,nosuid shared:5 - vfat /dev/sdb1 rw\n"
        "41 27 8:33 / /run/media/u/My\\040GPS rw shared:7 master:1 - exfat /dev/sdc1 rw\n"
        "42 27 0:50 / /run/user/1000 rw - tmpfs tmpfs rw\n"
        "43 27 0:51 / /mnt/nas rw - nfs4 host:/export rw\n"
        "44 27 0:52 / /home/u/remote rw - fuse.sshfs u@host:/ rw\n"
        "45 27 0:53 / /mnt/usb rw - fuseblk /dev/sdd1 rw\n"
        "46 27 0:54 / /dev/shm rw - tmpfs tmpfs rw\n"
        "47 27 0:55 / /sys/fs/cgroup rw - tmpfs tmpfs rw\n"
        "48 27 0:56 / /boot/efi rw - vfat /dev/sda1 rw\n"
        "49 27 0:57 / /snap/core/1 ro - squashfs /dev/loop0 ro\n"
        "50 27 0:58 / /tmp/a\\134b\\011c rw - tmpfs tmpfs rw\n"
        "51 27 0:59 / /running rw - ext4 /dev/sde1 rw\n"
        "52 27 0:60 / /media/u/GARMIN rw - vfat /dev/sdb1 rw\n"
        "garbage line\n"
        "53 27 0:61 / /mnt/overlay rw - overlay overlay rw\n";
    std::vector<Path> expected = {"/media/u/GARMIN", "/run/media/u/My GPS", "/mnt/usb",
                                  "/tmp/a\\b\tc", "/running"};
    EXPECT_EQ(volumesFromMountInfo(table), expected);
}
