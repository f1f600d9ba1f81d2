#include "core/devices/BackupList.h"

#include "core/devices/Backups.h"
#include "core/devices/DeviceTransfer.h"
#include "core/gpi/GPIReader.h"

#include <algorithm>

namespace marklode {

Path deviceBackupFolder(const Path& backupRoot, const GarminDevice& device) {
    return backupRoot / backups::deviceFolderName(device.displayName());
}

bool isBackupFolder(const FileSystem& fs, const Path& folder) {
    if (!backups::isBackupFolderName(folder.filename().string()) || !fs.isDirectory(folder))
        return false;
    try {
        auto contents = fs.contentsOfDirectory(folder);
        return contents.size() == 1 && contents.front().filename() == "poi.gpi";
    } catch (...) {
        return false; // a folder that can't be listed is not a backup
    }
}

std::vector<Path> backupFolders(const FileSystem& fs, const Path& deviceFolder) {
    std::vector<Path> folders;
    try {
        for (Path& entry : fs.contentsOfDirectory(deviceFolder))
            if (isBackupFolder(fs, entry))
                folders.push_back(std::move(entry));
    } catch (...) {
        return {};
    }
    std::stable_sort(folders.begin(), folders.end(), [](const Path& a, const Path& b) {
        return backups::sortKey(a.filename().string()) > backups::sortKey(b.filename().string());
    });
    return folders;
}

BackupEntry readBackupEntry(const FileSystem& fs, const Path& folder) {
    BackupEntry entry{folder, backups::stampTime(folder.filename().string()), std::nullopt};
    try {
        Bytes data = fs.readData(folder / "poi.gpi", DeviceTransfer::maxPOIFileBytes);
        entry.poiCount = GPIReader::read(data).poiCount();
    } catch (...) {
        // Listed as damaged: the user sees it is there and that it can't be restored.
    }
    return entry;
}

std::vector<BackupEntry> listBackups(const FileSystem& fs, const Path& deviceFolder) {
    std::vector<BackupEntry> entries;
    for (const Path& folder : backupFolders(fs, deviceFolder))
        entries.push_back(readBackupEntry(fs, folder));
    return entries;
}

} // namespace marklode
