#pragma once

#include "core/devices/DeviceTransferError.h"
#include "core/devices/GarminDevice.h"
#include "core/io/FileSystem.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string_view>

namespace marklode {

struct TransferResult {
    std::optional<Path> backupFolder; // none when the device had no poi.gpi
    std::int64_t verifiedPOICount = 0;
    bool operator==(const TransferResult&) const = default;
};

// The moments of a send or remove at which its step observer is told, in the order a send
// reaches them: the backup has been made; the temporary file is about to be written; it is
// written and synced; it has replaced poi.gpi; the file has been read back and is about to be
// checked. A remove is told of the backup as `remove`, just before it deletes the file.
enum class TransferStep { backup, write, sync, rename, verify, remove };

// Installs or removes a device's custom POI file so that the device never holds a
// half-written file and the previous file is always backed up first.
struct DeviceTransfer {
    using Clock = std::function<std::chrono::system_clock::time_point()>;
    // Told on the transfer's thread as each step is reached, so that a caller can follow the
    // transfer or a test can stop the process at a known moment. Must not throw.
    using StepObserver = std::function<void(TransferStep)>;

    // Each send writes to this name with a suffix of its own; leftovers of earlier sends,
    // suffixed or not, are removed while the device is locked.
    static constexpr std::string_view tempFileName = "poi.gpi.marklode-tmp";
    static constexpr std::array<std::string_view, 2> appleDoubleFileNames = {
        "._poi.gpi", "._poi.gpi.marklode-tmp"};
    static constexpr std::int64_t spaceMargin = 65'536;
    static constexpr std::size_t backupsToKeep = 10;
    // Far beyond any device's POI file; what is larger is refused rather than read into memory.
    static constexpr std::uint64_t maxPOIFileBytes = std::uint64_t{1} << 30;

    DeviceTransfer(FileSystemHandle fileSystem, Path backupRoot, Clock now,
                   StepObserver onStep = {})
        : fs(std::move(fileSystem)), backupRoot(std::move(backupRoot)), now(std::move(now)),
          onStep(std::move(onStep)) {}

    // $XDG_DATA_HOME (default ~/.local/share)/Marklode/Backups. Creates the data folder if it
    // is missing, not the Backups part. Throws FileError.
    static Path defaultBackupRoot();

    // Throws DeviceTransferError, or GPIReaderError when data itself doesn't parse.
    TransferResult send(std::span<const std::uint8_t> data, const GarminDevice& device) const;
    TransferResult removeCustomPOIs(const GarminDevice& device) const;
    // Puts a backup's poi.gpi back on the device as a send does, the current file backed up
    // first. The backup is read and checked before the device is touched, and is never pruned
    // by the backup this makes. Throws RestoreError for a backup that can't be used, else as
    // send.
    TransferResult restore(const Path& backupFolder, const GarminDevice& device) const;

    // Copies the device's poi.gpi into a new stamped folder and verifies the copy; none if
    // there is no poi.gpi. The copy is made under a hidden name and renamed into place once
    // complete, so an interrupted backup never looks like one, and the copies killed backups
    // left are removed. Throws DeviceTransferError (backupFailed, or busy while a backup for
    // another device of the same name runs). alsoKeep is passed on to prune.
    std::optional<Path> backUpExisting(const GarminDevice& device,
                                       const std::optional<Path>& alsoKeep = std::nullopt) const;
    // Keeps newBackup, alsoKeep and the newest others, backupsToKeep in all; never fails.
    // newBackup is kept whatever its name says, since a clock set back makes a new name sort
    // oldest; alsoKeep is the backup being restored, which must outlive the restore.
    void prune(const Path& deviceFolder, const Path& newBackup,
               const std::optional<Path>& alsoKeep = std::nullopt) const;

    FileSystemHandle fs;
    Path backupRoot;
    Clock now;
    StepObserver onStep; // may be empty

  private:
    TransferResult install(std::span<const std::uint8_t> data, const GarminDevice& device,
                           const std::optional<Path>& keepBackup) const;
    void reached(TransferStep step) const;
    // Another transfer to the same device, from any process, fails with busy meanwhile.
    std::unique_ptr<DirectoryLock> lock(const GarminDevice& device) const;
    void refuseSymbolicLinks(const GarminDevice& device) const;
    // Temporary files of this or earlier sends with their side files, and on request the
    // target's side file.
    void removeTemporaryFiles(const GarminDevice& device, bool andTargetSideFile) const;
};

} // namespace marklode
