#pragma once

#include <cstdint>
#include <string>
#include <variant>

namespace marklode {

// Thrown by value by DeviceTransfer. Unlike most errors it carries its own user-facing text,
// description().
struct DeviceTransferError {
    struct ReadOnly {
        std::string device;
        bool operator==(const ReadOnly&) const = default;
    };
    struct NotEnoughSpace {
        std::string device;
        std::int64_t needed = 0;
        std::int64_t available = 0;
        bool operator==(const NotEnoughSpace&) const = default;
    };
    struct BackupFailed {
        std::string detail;
        bool operator==(const BackupFailed&) const = default;
    };
    struct VerificationFailed {
        std::int64_t expected = 0;
        std::int64_t found = 0;
        bool operator==(const VerificationFailed&) const = default;
    };
    struct UnreadableAfterWrite {
        std::string detail;
        bool operator==(const UnreadableAfterWrite&) const = default;
    };
    struct WriteFailed {
        std::string detail;
        bool operator==(const WriteFailed&) const = default;
    };
    struct NothingToRemove {
        bool operator==(const NothingToRemove&) const = default;
    };
    // The Garmin folder, the POI folder or poi.gpi is a symbolic link; path is relative to
    // the volume. Nothing is backed up or written through it.
    struct SymbolicLink {
        std::string device;
        std::string path;
        bool operator==(const SymbolicLink&) const = default;
    };
    // Another transfer, perhaps of another Marklode process, is changing the device.
    struct Busy {
        std::string device;
        bool operator==(const Busy&) const = default;
    };
    using Kind =
        std::variant<ReadOnly, NotEnoughSpace, BackupFailed, VerificationFailed,
                     UnreadableAfterWrite, WriteFailed, NothingToRemove, SymbolicLink, Busy>;

    Kind kind;

    static DeviceTransferError readOnly(std::string device);
    static DeviceTransferError notEnoughSpace(std::string device, std::int64_t needed,
                                              std::int64_t available);
    static DeviceTransferError backupFailed(std::string detail);
    static DeviceTransferError verificationFailed(std::int64_t expected, std::int64_t found);
    static DeviceTransferError unreadableAfterWrite(std::string detail);
    static DeviceTransferError writeFailed(std::string detail);
    static DeviceTransferError nothingToRemove();
    static DeviceTransferError symbolicLink(std::string device, std::string path);
    static DeviceTransferError busy(std::string device);

    // The message the user sees.
    std::string description() const;

    bool operator==(const DeviceTransferError&) const = default;
};

} // namespace marklode
