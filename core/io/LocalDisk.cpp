#include "core/io/LocalDisk.h"

#include <algorithm>
#include <array>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace marklode {

namespace {

// Magic numbers of disk and memory file systems. FAT, exFAT, NTFS, FUSE (fuseblk included), network
// file systems and images (squashfs, often on a stick) are left out on purpose, and so is whatever
// is not listed.
constexpr std::array<unsigned long, 11> fixedDiskFileSystems = {
    0xEF53,     // ext2, ext3, ext4
    0x58465342, // xfs
    0x9123683E, // btrfs
    0xF2F52010, // f2fs
    0x2FC12FC1, // zfs
    0xCA451A4E, // bcachefs
    0x3153464A, // jfs
    0x52654973, // reiserfs
    0x01021994, // tmpfs
    0x858458F6, // ramfs
    0x794C7630, // overlay
};

// The block device's own flag; a partition's device has it on its disk, one folder up.
bool isRemovableDevice(dev_t device) {
    std::string folder =
        "/sys/dev/block/" + std::to_string(major(device)) + ":" + std::to_string(minor(device));
    for (const char* name : {"/removable", "/../removable"}) {
        int fd = ::open((folder + name).c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            continue;
        char flag = '0';
        ssize_t got = ::read(fd, &flag, 1);
        ::close(fd);
        return got == 1 && flag == '1';
    }
    return false;
}

} // namespace

bool isOnFixedLocalDisk(int fd) {
    struct statfs fileSystem {};
    if (::fstatfs(fd, &fileSystem) != 0)
        return false;
    const auto type = static_cast<unsigned long>(fileSystem.f_type);
    if (std::find(fixedDiskFileSystems.begin(), fixedDiskFileSystems.end(), type) ==
        fixedDiskFileSystems.end())
        return false;
    // An ext4 or btrfs card or stick is as removable as a FAT one.
    struct stat info {};
    return ::fstat(fd, &info) == 0 && !isRemovableDevice(info.st_dev);
}

} // namespace marklode
