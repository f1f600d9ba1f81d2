#include "core/devices/DeviceTransferError.h"

#include "core/text/ByteCount.h"
#include "core/text/CurlyQuotes.h"
#include "core/text/PrintableText.h"
#include "core/text/Translation.h"

namespace marklode {

namespace {

template <class... Handlers> struct Overloaded : Handlers... { using Handlers::operator()...; };
template <class... Handlers> Overloaded(Handlers...) -> Overloaded<Handlers...>;

} // namespace

DeviceTransferError DeviceTransferError::readOnly(std::string device) {
    return {ReadOnly{std::move(device)}};
}

DeviceTransferError DeviceTransferError::notEnoughSpace(std::string device, std::int64_t needed,
                                                        std::int64_t available) {
    return {NotEnoughSpace{std::move(device), needed, available}};
}

DeviceTransferError DeviceTransferError::backupFailed(std::string detail) {
    return {BackupFailed{std::move(detail)}};
}

DeviceTransferError DeviceTransferError::verificationFailed(std::int64_t expected,
                                                            std::int64_t found) {
    return {VerificationFailed{expected, found}};
}

DeviceTransferError DeviceTransferError::unreadableAfterWrite(std::string detail) {
    return {UnreadableAfterWrite{std::move(detail)}};
}

DeviceTransferError DeviceTransferError::writeFailed(std::string detail) {
    return {WriteFailed{std::move(detail)}};
}

DeviceTransferError DeviceTransferError::nothingToRemove() {
    return {NothingToRemove{}};
}

DeviceTransferError DeviceTransferError::symbolicLink(std::string device, std::string path) {
    return {SymbolicLink{std::move(device), std::move(path)}};
}

DeviceTransferError DeviceTransferError::busy(std::string device) {
    return {Busy{std::move(device)}};
}

std::string DeviceTransferError::description() const {
    return std::visit(
        Overloaded{
            [](const ReadOnly& e) {
                return formatted(translate("DeviceTransferError",
                                           "%1 is read-only, so Marklode can't write to it. If "
                                           "it's an SD card, check its lock switch."),
                                 {curlyQuoted(e.device)});
            },
            [](const NotEnoughSpace& e) {
                auto [needed, available] = distinctByteCounts(e.needed, e.available);
                return formatted(translate("DeviceTransferError",
                                           "%1 doesn't have enough free space. Marklode needs "
                                           "%2, but only %3 is free."),
                                 {curlyQuoted(e.device), needed, available});
            },
            [](const BackupFailed& e) {
                return formatted(translate("DeviceTransferError",
                                           "Marklode couldn't back up the POIs already on the "
                                           "device, so nothing was changed. %1"),
                                 {e.detail});
            },
            [](const VerificationFailed& e) {
                //: %1 is the count of POIs found in the file, %2 the count written.
                return formatted(translate("DeviceTransferError",
                                           "The file on the device has %1 POIs, but %2 were "
                                           "written. Try again, or restore the backup.",
                                           nullptr, pluralCount(e.found)),
                                 {std::to_string(e.found), std::to_string(e.expected)});
            },
            [](const UnreadableAfterWrite& e) {
                return formatted(translate("DeviceTransferError",
                                           "The file on the device couldn't be read back after "
                                           "writing. Try again, or restore the backup. %1"),
                                 {e.detail});
            },
            [](const WriteFailed& e) {
                return formatted(translate("DeviceTransferError",
                                           "Writing to the device failed. The POIs already on "
                                           "the device were not changed. %1"),
                                 {e.detail});
            },
            [](const NothingToRemove&) {
                return translate("DeviceTransferError",
                                 "There are no custom POIs (Garmin/POI/poi.gpi) on this device.");
            },
            [](const SymbolicLink& e) {
                return formatted(translate("DeviceTransferError",
                                           "%1 has a symbolic link at %2, so Marklode won't "
                                           "change its POIs. Replace the link with a real folder "
                                           "or file and try again."),
                                 {curlyQuoted(e.device), printable(e.path)});
            },
            [](const Busy& e) {
                return formatted(translate("DeviceTransferError",
                                           "%1 is busy with another Marklode transfer, so nothing "
                                           "was changed. Try again when it has finished."),
                                 {curlyQuoted(e.device)});
            },
        },
        kind);
}

} // namespace marklode
