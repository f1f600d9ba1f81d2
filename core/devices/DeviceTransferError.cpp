#include "core/devices/DeviceTransferError.h"

#include "core/text/ByteCount.h"
#include "core/text/CurlyQuotes.h"
#include "core/text/PrintableText.h"

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
                return curlyQuoted(e.device) +
                       " is read-only, so Marklode can't write to it. If it's an SD card, check "
                       "its lock switch.";
            },
            [](const NotEnoughSpace& e) {
                auto [needed, available] = distinctByteCounts(e.needed, e.available);
                return curlyQuoted(e.device) + " doesn't have enough free space. Marklode needs " +
                       needed + ", but only " + available + " is free.";
            },
            [](const BackupFailed& e) {
                return "Marklode couldn't back up the POIs already on the device, so nothing "
                       "was changed. " +
                       e.detail;
            },
            [](const VerificationFailed& e) {
                return "The file on the device has " + std::to_string(e.found) + " POIs, but " +
                       std::to_string(e.expected) +
                       " were written. Try again, or restore the backup.";
            },
            [](const UnreadableAfterWrite& e) {
                return "The file on the device couldn't be read back after writing. Try again, "
                       "or restore the backup. " +
                       e.detail;
            },
            [](const WriteFailed& e) {
                return "Writing to the device failed. The POIs already on the device were not "
                       "changed. " +
                       e.detail;
            },
            [](const NothingToRemove&) {
                return std::string("There are no custom POIs (Garmin/POI/poi.gpi) on this device.");
            },
            [](const SymbolicLink& e) {
                return curlyQuoted(e.device) + " has a symbolic link at " + printable(e.path) +
                       ", so Marklode won't change its POIs. Replace the link with a real "
                       "folder or file and try again.";
            },
            [](const Busy& e) {
                return curlyQuoted(e.device) +
                       " is busy with another Marklode transfer, so nothing was changed. Try "
                       "again when it has finished.";
            },
        },
        kind);
}

} // namespace marklode
