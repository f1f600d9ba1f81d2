#pragma once

#include "core/devices/DeviceTransferError.h"
#include "core/devices/FileSystem.h"
#include "core/devices/GarminDevice.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string_view>

namespace marklode {

struct TransferResult {
    std::optional<Path> backupFolder; // none when the device had no poi.gpi
    std::int64_t verifiedPOICount = 0;
    bool operator==(const TransferResult&) const = default;
};

// Installs or removes a device's custom POI file so that the device never holds a
// half-written file and the previous file is always backed up first.
//
// For crash tests only: when MARKLODE_TEST_PAUSE_AT names a step ("backup", "write", "sync",
// "rename", "verify", "remove"), the operation sleeps MARKLODE_TEST_PAUSE_MS milliseconds
// there so that a test can kill the process at that moment.
struct DeviceTransfer {
    using Clock = std::function<std::chrono::system_clock::time_point()>;

    static constexpr std::string_view tempFileName = "poi.gpi.marklode-tmp";
    static constexpr std::array<std::string_view, 2> appleDoubleFileNames = {
        "._poi.gpi", "._poi.gpi.marklode-tmp"};
    static constexpr std::int64_t spaceMargin = 65'536;
    static constexpr std::size_t backupsToKeep = 10;

    DeviceTransfer(FileSystemHandle fileSystem, Path backupRoot, Clock now)
        : fs(std::move(fileSystem)), backupRoot(std::move(backupRoot)), now(std::move(now)) {}

    // $XDG_DATA_HOME (default ~/.local/share)/Marklode/Backups. Creates the data folder if it
    // is missing, not the Backups part. Throws FileError.
    static Path defaultBackupRoot();

    // Throws DeviceTransferError, or GPIReaderError when data itself doesn't parse.
    TransferResult send(std::span<const std::uint8_t> data, const GarminDevice& device) const;
    TransferResult removeCustomPOIs(const GarminDevice& device) const;

    // Copies the device's poi.gpi into a new stamped folder and verifies the copy; none if
    // there is no poi.gpi. Throws DeviceTransferError (backupFailed).
    std::optional<Path> backUpExisting(const GarminDevice& device) const;
    // Keeps the newest backupsToKeep backups in the device folder; never fails.
    void prune(const Path& deviceFolder) const;

    FileSystemHandle fs;
    Path backupRoot;
    Clock now;

  private:
    void refuseSymbolicLinks(const GarminDevice& device) const;
    void removeAppleDoubleFiles(const GarminDevice& device) const;
};

} // namespace marklode
