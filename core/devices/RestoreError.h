#pragma once

#include <string>
#include <variant>

namespace marklode {

// Thrown by value when a backup can't be put back on a device; nothing on the device has been
// touched. Carries values only.
struct RestoreError {
    // Its poi.gpi doesn't read back as a .gpi file.
    struct Damaged {
        std::string backup; // the backup folder's name
        bool operator==(const Damaged&) const = default;
    };
    // Its poi.gpi can't be read at all.
    struct Unreadable {
        std::string backup;
        std::string detail;
        bool operator==(const Unreadable&) const = default;
    };
    // The device has no backup to restore.
    struct NoBackups {
        std::string device;
        bool operator==(const NoBackups&) const = default;
    };
    // The name given is not one of the device's backups.
    struct UnknownBackup {
        std::string backup;
        std::string device;
        bool operator==(const UnknownBackup&) const = default;
    };
    using Kind = std::variant<Damaged, Unreadable, NoBackups, UnknownBackup>;

    Kind kind;

    bool operator==(const RestoreError&) const = default;
};

} // namespace marklode
