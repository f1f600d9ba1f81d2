#include "rules/CliDeviceMessages.h"

#include "core/text/CurlyQuotes.h"
#include "core/text/PrintableText.h"

namespace marklode {

std::string notAGarminDeviceMessage(std::string_view volume) {
    return curlyQuoted(volume) + " is not a Garmin device: it has no Garmin folder.";
}

std::string sendingToMessage(std::string_view deviceName) {
    return "Sending to " + printable(deviceName) + "\u2026";
}

std::string restoringToMessage(std::string_view deviceName) {
    return "Restoring to " + printable(deviceName) + "\u2026";
}

std::string backupsHeading(std::string_view deviceName, std::string_view folder) {
    return "Backups of " + printable(deviceName) + ", newest first, in " + printable(folder) + ":";
}

} // namespace marklode
