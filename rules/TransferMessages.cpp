#include "rules/TransferMessages.h"

#include "core/text/CurlyQuotes.h"
#include "core/text/PrintableText.h"
#include "core/text/Translation.h"

namespace marklode {

namespace {

// The paragraph that names where the file a change replaced was kept.
std::string backedUpTo(std::string_view sentence,
                       const std::optional<std::filesystem::path>& folder) {
    if (!folder)
        return {};
    return "\n\n" + formatted(sentence, {printable(folder->string())});
}

} // namespace

std::string sentMessage(std::int64_t poiCount, std::size_t categoryCount,
                        std::string_view deviceName,
                        const std::optional<std::filesystem::path>& backupFolder,
                        const CountFormat& count) {
    //: %1 is the number of POIs, %2 the device's name.
    return formatted(translate("TransferMessages",
                               "Sent %1 POIs in %n categories to %2. The file was read back and "
                               "checked.",
                               nullptr, pluralCount(categoryCount)),
                     {count(poiCount), printable(deviceName)}) +
           backedUpTo(
               translate("TransferMessages", "The previous custom POIs were backed up to:\n%1"),
               backupFolder);
}

std::string restoredMessage(std::string_view formattedTime, std::int64_t poiCount,
                            std::string_view deviceName,
                            const std::optional<std::filesystem::path>& backupFolder,
                            const CountFormat& count) {
    //: %1 is the date and time of the backup, %2 the device's name, %3 the number of POIs.
    return formatted(translate("TransferMessages",
                               "Restored the backup of %1 to %2: %3 POIs. The file was read back "
                               "and checked.",
                               nullptr, pluralCount(poiCount)),
                     {formattedTime, printable(deviceName), count(poiCount)}) +
           backedUpTo(
               translate("TransferMessages", "The custom POIs it replaced were backed up to:\n%1"),
               backupFolder);
}

std::string noBackupsMessage(std::string_view deviceName) {
    return formatted(translate("TransferMessages", "Marklode has no backups of %1."),
                     {curlyQuoted(deviceName)});
}

RestoreConfirmationTexts restoreConfirmationTexts(std::string_view deviceName,
                                                  bool replacesExisting) {
    return RestoreConfirmationTexts{
        formatted(translate("TransferMessages", "Restore the backup to %1?"),
                  {printable(deviceName)}),
        replacesExisting
            ? translate("TransferMessages", "The custom POIs now on this device will be replaced. "
                                            "Marklode backs them up first.")
            : translate("TransferMessages", "This device has no custom POIs now."),
        translate("TransferMessages", "Restore"),
    };
}

std::string damagedGPIFileMessage(std::string_view fileName) {
    return formatted(translate("TransferMessages",
                               "%1 is damaged or not a Garmin POI file, so nothing was written."),
                     {curlyQuoted(fileName)});
}

std::string removedMessage(std::string_view deviceName,
                           const std::optional<std::filesystem::path>& backupFolder) {
    return formatted(translate("TransferMessages", "Removed the custom POIs from %1."),
                     {printable(deviceName)}) +
           backedUpTo(translate("TransferMessages", "A backup was saved to:\n%1"), backupFolder);
}

std::string beingEjectedMessage(std::string_view deviceName) {
    return formatted(
        translate("TransferMessages", "%1 is being ejected, so its POIs can't be changed now."),
        {curlyQuoted(deviceName)});
}

std::string ejectFailedMessage(std::string_view deviceName) {
    return formatted(translate("TransferMessages",
                               "%1 couldn't be ejected. Close any files open on it and try again."),
                     {curlyQuoted(deviceName)});
}

std::string noLongerConnectedMessage(std::string_view deviceName) {
    return formatted(translate("TransferMessages", "%1 is no longer connected."),
                     {curlyQuoted(deviceName)});
}

RemoveConfirmationTexts removeConfirmationTexts(std::string_view deviceName) {
    return RemoveConfirmationTexts{
        formatted(translate("TransferMessages", "Remove custom POIs from %1?"),
                  {curlyQuoted(deviceName)}),
        //: Garmin/POI/poi.gpi is the path of the file on the device; it stays as it is.
        translate("TransferMessages",
                  "Marklode copies Garmin/POI/poi.gpi to a backup, then deletes it from the "
                  "device. No other files are changed."),
        translate("TransferMessages", "Back Up and Remove"),
    };
}

std::string noPOIsToSendMessage() {
    return translate("TransferMessages", "Add at least one file with POIs first.");
}

} // namespace marklode
