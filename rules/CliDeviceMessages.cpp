#include "rules/CliDeviceMessages.h"

#include "core/text/CurlyQuotes.h"

namespace marklode {

std::string notAGarminDeviceMessage(std::string_view volume) {
    return curlyQuoted(volume) + " is not a Garmin device: it has no Garmin folder.";
}

std::string sendingToMessage(std::string_view deviceName) {
    return "Sending to " + std::string(deviceName) + "\u2026";
}

} // namespace marklode
