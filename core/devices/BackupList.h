#pragma once

#include "core/devices/GarminDevice.h"
#include "core/io/FileSystem.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace marklode {

// One complete backup of a device as the user chooses it for a restore.
struct BackupEntry {
    Path folder;
    // When it was made, from its name; none for a name whose date doesn't exist.
    std::optional<std::chrono::system_clock::time_point> time;
    // None when its poi.gpi can't be read or doesn't read back as a .gpi file.
    std::optional<std::int64_t> poiCount;

    bool isDamaged() const { return !poiCount; }
    std::string name() const { return folder.filename().string(); }
    bool operator==(const BackupEntry&) const = default;
};

// Where the backups of this device live below the backups root.
Path deviceBackupFolder(const Path& backupRoot, const GarminDevice& device);

// A folder named by a stamp that holds exactly one poi.gpi and nothing else: what is counted,
// pruned and offered for a restore. Anything else is the user's and is left alone.
bool isBackupFolder(const FileSystem& fs, const Path& folder);

// The backup folders in the device folder, newest first by name; none when it can't be listed.
std::vector<Path> backupFolders(const FileSystem& fs, const Path& deviceFolder);

// The same with their times and POI counts; reads every backup.
std::vector<BackupEntry> listBackups(const FileSystem& fs, const Path& deviceFolder);

// Reads one backup folder's poi.gpi as listBackups does.
BackupEntry readBackupEntry(const FileSystem& fs, const Path& folder);

} // namespace marklode
