#include "core/devices/MountedVolumes.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

namespace marklode {

namespace {

constexpr std::array excludedTypes = {
    // network
    "nfs", "nfs4", "cifs", "smb3", "smbfs", "9p", "ceph", "glusterfs", "davfs", "afs", "ncpfs",
    "fuse.sshfs", "fuse.rclone", "fuse.s3fs", "fuse.curlftpfs", "fuse.gvfsd-fuse", "fuse.glusterfs",
    "fuse.cephfs", "fuse.smbnetfs",
    // pseudo
    "proc", "sysfs", "devtmpfs", "devpts", "cgroup", "cgroup2", "securityfs", "debugfs", "tracefs",
    "bpf", "pstore", "mqueue", "hugetlbfs", "configfs", "fusectl", "binfmt_misc", "autofs",
    "efivarfs", "nsfs", "rpc_pipefs", "overlay", "squashfs"};

constexpr std::array excludedTrees = {"/proc", "/sys", "/dev", "/boot", "/efi", "/snap", "/run"};

bool isWithin(std::string_view path, std::string_view tree) {
    return path == tree ||
           (path.size() > tree.size() && path.starts_with(tree) && path[tree.size()] == '/');
}

bool isOffered(std::string_view mountPoint, std::string_view type) {
    if (mountPoint == "/" || mountPoint.empty() || mountPoint.front() != '/')
        return false;
    if (std::find(excludedTypes.begin(), excludedTypes.end(), type) != excludedTypes.end())
        return false;
    if (isWithin(mountPoint, "/run/media"))
        return true;
    return std::none_of(excludedTrees.begin(), excludedTrees.end(),
                        [&](const char* tree) { return isWithin(mountPoint, tree); });
}

// The kernel writes space, tab, newline and backslash in paths as \ooo.
std::string decodeOctalEscapes(std::string_view field) {
    std::string decoded;
    decoded.reserve(field.size());
    auto isOctal = [](char c) { return c >= '0' && c <= '7'; };
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() && isOctal(field[i + 1]) &&
            isOctal(field[i + 2]) && isOctal(field[i + 3])) {
            int value = (field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0');
            decoded += static_cast<char>(value & 0xFF);
            i += 3;
            continue;
        }
        decoded += field[i];
    }
    return decoded;
}

} // namespace

std::vector<Path> volumesFromMountInfo(std::string_view mountInfo) {
    std::vector<Path> volumes;
    std::istringstream lines{std::string(mountInfo)};
    std::string line;
    while (std::getline(lines, line)) {
        // id parent major:minor root mount-point options [optional fields...] - type source ...
        std::istringstream fields(line);
        std::vector<std::string> words{std::istream_iterator<std::string>(fields), {}};
        if (words.size() < 8)
            continue;
        auto separator = std::find(words.begin() + 6, words.end(), "-");
        if (separator == words.end() || separator + 1 == words.end())
            continue;
        std::string mountPoint = decodeOctalEscapes(words[4]);
        if (!isOffered(mountPoint, *(separator + 1)))
            continue;
        // A path mounted over keeps its first place in the list.
        Path volume(mountPoint);
        if (std::find(volumes.begin(), volumes.end(), volume) == volumes.end())
            volumes.push_back(std::move(volume));
    }
    return volumes;
}

VolumeSource defaultVolumeSource() {
    return [] {
        std::ifstream file("/proc/self/mountinfo");
        if (!file)
            return std::vector<Path>{};
        std::string text{std::istreambuf_iterator<char>(file), {}};
        return volumesFromMountInfo(text);
    };
}

} // namespace marklode
