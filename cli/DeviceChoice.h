#pragma once

#include "cli/Command.h"
#include "core/devices/DeviceTransfer.h"
#include "core/devices/GarminDevice.h"
#include "core/io/FileSystem.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace marklode::cli {

// What the device commands share: choosing the device, the backups root and their reports.

// Grouped for the user's locale, as the application shows counts ("1,234" in English).
std::string localeGrouped(std::int64_t count);

// The Garmins among the given folders, or among the mounted volumes when none are given.
std::vector<GarminDevice> scanDevices(const FileSystemHandle& fileSystem,
                                      const std::vector<std::string>& volumes);

// The device named by --device, else the one connected Garmin. Throws LoadError, or a value
// that reportDeviceFailure lists when several are connected.
GarminDevice chooseDevice(const FileSystemHandle& fileSystem, const Arguments& args);

// Reports the exception being handled by a device command; returns the exit status.
int reportDeviceFailure(Streams& io, bool json = false);

// --backup-root, else the application's backups folder. Throws FileError.
Path backupRootFor(const Arguments& args);
DeviceTransfer transferFor(const FileSystemHandle& fileSystem, const Arguments& args);

std::optional<Path> printablePath(const std::optional<Path>& path);

} // namespace marklode::cli
