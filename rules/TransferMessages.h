#pragma once

#include "rules/CountFormat.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace marklode {

// "Sent 1,234 POIs in 2 categories to Device. The file was read back and checked." with the
// backup folder appended when there was a previous file; "POIs" stays plural even for one.
std::string sentMessage(std::int64_t poiCount, std::size_t categoryCount,
                        std::string_view deviceName,
                        const std::optional<std::filesystem::path>& backupFolder,
                        const CountFormat& count);

// "Removed the custom POIs from Device." with the backup folder when one was made.
std::string removedMessage(std::string_view deviceName,
                           const std::optional<std::filesystem::path>& backupFolder);

// "Restored the backup of 01/03/2025 09:15 to Device: 1,234 POIs. The file was read back and
// checked." with the folder the replaced file was backed up to, when there was one. The time
// arrives formatted for the user's locale.
std::string restoredMessage(std::string_view formattedTime, std::int64_t poiCount,
                            std::string_view deviceName,
                            const std::optional<std::filesystem::path>& backupFolder,
                            const CountFormat& count);

// A device without any backup to restore.
std::string noBackupsMessage(std::string_view deviceName);

// The question before a backup is put back on a device.
struct RestoreConfirmationTexts {
    std::string title;
    std::string existing; // what happens to the file the device holds now
    std::string confirmButton;
    bool operator==(const RestoreConfirmationTexts&) const = default;
};
RestoreConfirmationTexts restoreConfirmationTexts(std::string_view deviceName,
                                                  bool replacesExisting);

// A ready .gpi file of the user's, given to be sent as it is, that doesn't read back.
std::string damagedGPIFileMessage(std::string_view fileName);

// A send confirmed after the device was unplugged: "“NAME” is no longer connected."
std::string noLongerConnectedMessage(std::string_view deviceName);

// The question before custom POIs are removed from a device.
struct RemoveConfirmationTexts {
    std::string title;
    std::string message;
    std::string confirmButton;
    bool operator==(const RemoveConfirmationTexts&) const = default;
};
RemoveConfirmationTexts removeConfirmationTexts(std::string_view deviceName);

// A send or remove asked for while the device's volume is being ejected.
std::string beingEjectedMessage(std::string_view deviceName);

// The platform could not unmount and eject the device's volume.
std::string ejectFailedMessage(std::string_view deviceName);

// The device send's own check, reported before any device is touched.
std::string noPOIsToSendMessage();

} // namespace marklode
