#include "rules/CliDeviceMessages.h"

#include "core/text/CurlyQuotes.h"
#include "core/text/PrintableText.h"
#include "core/text/Translation.h"

namespace marklode {

std::string notAGarminDeviceMessage(std::string_view volume) {
    return formatted(
        translate("CliDeviceMessages", "%1 is not a Garmin device: it has no Garmin folder."),
        {curlyQuoted(volume)});
}

std::string noDeviceConnectedMessage() {
    //: --device is the name of an option and stays as it is.
    return translate(
        "CliDeviceMessages",
        "No Garmin device is connected. Connect one, or name its folder with --device.");
}

std::string severalDevicesMessage() {
    //: --device is the name of an option and stays as it is.
    return translate("CliDeviceMessages",
                     "Several Garmin devices are connected; choose one with --device:");
}

std::string noDevicesFoundMessage() {
    return translate("CliDeviceMessages", "No Garmin devices found.");
}

std::string sendingToMessage(std::string_view deviceName) {
    return formatted(translate("CliDeviceMessages", "Sending to %1\u2026"),
                     {printable(deviceName)});
}

std::string restoringToMessage(std::string_view deviceName) {
    return formatted(translate("CliDeviceMessages", "Restoring to %1\u2026"),
                     {printable(deviceName)});
}

std::string backupsHeading(std::string_view deviceName, std::string_view folder) {
    //: %1 is the device's name, %2 the folder that holds its backups.
    return formatted(translate("CliDeviceMessages", "Backups of %1, newest first, in %2:"),
                     {printable(deviceName), printable(folder)});
}

std::string damagedBackupLabel() {
    //: Stands in a list of backups where others show their number of POIs.
    return translate("CliDeviceMessages", "damaged");
}

} // namespace marklode
