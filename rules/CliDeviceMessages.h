#pragma once

#include <string>
#include <string_view>

namespace marklode {

// The command line's own sentences about choosing and finding devices.

// --device names a folder that has no Garmin folder.
std::string notAGarminDeviceMessage(std::string_view volume);

// No --device, and no Garmin is connected.
std::string noDeviceConnectedMessage();

// No --device, and several are connected; the devices are listed after it, one a line.
std::string severalDevicesMessage();

// The device list when there is none.
std::string noDevicesFoundMessage();

// Shown on a terminal while a send runs.
std::string sendingToMessage(std::string_view deviceName);

// Shown on a terminal while a restore runs.
std::string restoringToMessage(std::string_view deviceName);

// Above the list of a device's backups.
std::string backupsHeading(std::string_view deviceName, std::string_view folder);

// A backup in that list whose file can't be restored.
std::string damagedBackupLabel();

} // namespace marklode
