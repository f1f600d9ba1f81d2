#include "rules/TransferMessages.h"

#include "core/text/CurlyQuotes.h"
#include "core/text/PrintableText.h"

namespace marklode {

std::string sentMessage(std::int64_t poiCount, std::size_t categoryCount,
                        std::string_view deviceName,
                        const std::optional<std::filesystem::path>& backupFolder,
                        const CountFormat& count) {
    std::string message = "Sent " + count(poiCount) + " POIs in " + std::to_string(categoryCount) +
                          (categoryCount == 1 ? " category" : " categories") + " to " +
                          printable(deviceName) + ". The file was read back and checked.";
    if (backupFolder)
        message +=
            "\n\nThe previous custom POIs were backed up to:\n" + printable(backupFolder->string());
    return message;
}

std::string restoredMessage(std::string_view formattedTime, std::int64_t poiCount,
                            std::string_view deviceName,
                            const std::optional<std::filesystem::path>& backupFolder,
                            const CountFormat& count) {
    std::string message = "Restored the backup of " + std::string(formattedTime) + " to " +
                          printable(deviceName) + ": " + count(poiCount) +
                          " POIs. The file was read back and checked.";
    if (backupFolder)
        message += "\n\nThe custom POIs it replaced were backed up to:\n" +
                   printable(backupFolder->string());
    return message;
}

std::string noBackupsMessage(std::string_view deviceName) {
    return "Marklode has no backups of " + curlyQuoted(deviceName) + ".";
}

RestoreConfirmationTexts restoreConfirmationTexts(std::string_view deviceName,
                                                  bool replacesExisting) {
    return RestoreConfirmationTexts{
        "Restore the backup to " + printable(deviceName) + "?",
        replacesExisting ? "The custom POIs now on this device will be replaced. Marklode backs "
                           "them up first."
                         : "This device has no custom POIs now.",
        "Restore",
    };
}

std::string damagedGPIFileMessage(std::string_view fileName) {
    return curlyQuoted(fileName) + " is damaged or not a Garmin POI file, so nothing was written.";
}

std::string removedMessage(std::string_view deviceName,
                           const std::optional<std::filesystem::path>& backupFolder) {
    std::string message = "Removed the custom POIs from " + printable(deviceName) + ".";
    if (backupFolder)
        message += "\n\nA backup was saved to:\n" + printable(backupFolder->string());
    return message;
}

std::string beingEjectedMessage(std::string_view deviceName) {
    return curlyQuoted(deviceName) + " is being ejected, so its POIs can't be changed now.";
}

std::string ejectFailedMessage(std::string_view deviceName) {
    return curlyQuoted(deviceName) +
           " couldn't be ejected. Close any files open on it and try again.";
}

std::string noLongerConnectedMessage(std::string_view deviceName) {
    return curlyQuoted(deviceName) + " is no longer connected.";
}

RemoveConfirmationTexts removeConfirmationTexts(std::string_view deviceName) {
    return RemoveConfirmationTexts{
        "Remove custom POIs from " + curlyQuoted(deviceName) + "?",
        "Marklode copies Garmin/POI/poi.gpi to a backup, then deletes it from the device. No "
        "other files are changed.",
        "Back Up and Remove",
    };
}

} // namespace marklode
