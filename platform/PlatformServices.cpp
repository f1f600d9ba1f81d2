#include "platform/PlatformServices.h"

#include "core/devices/MountedVolumes.h"
#include "core/io/LocalFileSystem.h"
#include "platform/FolderRevealer.h"
#include "platform/MountInfoWatcher.h"
#include "platform/UDisksEjector.h"

#include <chrono>

namespace marklode {

DeviceServices platformDeviceServices() {
    return DeviceServices{
        localFileSystem(),
        defaultVolumeSource(),
        &DeviceTransfer::defaultBackupRoot,
        [] { return std::chrono::system_clock::now(); },
        [] { return std::make_unique<MountInfoWatcher>(); },
        std::make_shared<UDisksEjector>(),
        [](const Path& folder) { revealInFileManager(folder); },
    };
}

} // namespace marklode
