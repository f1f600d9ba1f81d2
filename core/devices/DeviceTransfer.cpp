#include "core/devices/DeviceTransfer.h"

#include "core/devices/ErrorDescription.h"
#include "core/gpi/GPIReader.h"
#include "core/io/AtomicWrite.h"

#include <algorithm>
#include <string>

namespace marklode {

void DeviceTransfer::reached(TransferStep step) const {
    if (onStep)
        onStep(step);
}

std::unique_ptr<DirectoryLock> DeviceTransfer::lock(const GarminDevice& device) const {
    std::unique_ptr<DirectoryLock> held;
    try {
        held = fs->tryLockDirectory(device.garminFolder);
    } catch (...) {
        throw DeviceTransferError::writeFailed(errorDescription(std::current_exception()));
    }
    if (!held)
        throw DeviceTransferError::busy(device.displayName());
    return held;
}

void DeviceTransfer::refuseSymbolicLinks(const GarminDevice& device) const {
    // Writing or deleting through a link could reach files outside the device's volume.
    for (const Path& path : {device.garminFolder, device.poiFolderURL(), device.poiFileURL()})
        if (fs->isSymbolicLink(path))
            throw DeviceTransferError::symbolicLink(
                device.displayName(), path.lexically_relative(device.volumeURL).string());
}

void DeviceTransfer::removeTemporaryFiles(const GarminDevice& device,
                                          bool andTargetSideFile) const {
    // Called with the device locked, so no temporary file here belongs to a running send.
    std::vector<Path> entries;
    try {
        entries = fs->contentsOfDirectory(device.poiFolderURL());
    } catch (...) {
        return; // no POI folder, or a device gone: nothing to tidy
    }
    for (const Path& entry : entries) {
        std::string name = entry.filename().string();
        bool ours = andTargetSideFile && name == appleDoubleFileNames[0];
        for (std::string_view prefix : {tempFileName, appleDoubleFileNames[1]})
            ours = ours || name.starts_with(prefix);
        if (ours && !fs->isDirectory(entry)) {
            try {
                fs->remove(entry);
            } catch (...) {
                // A leftover temporary or side file is harmless and goes with the next change.
            }
        }
    }
}

TransferResult DeviceTransfer::send(std::span<const std::uint8_t> data,
                                    const GarminDevice& device) const {
    return install(data, device, std::nullopt);
}

TransferResult DeviceTransfer::install(std::span<const std::uint8_t> data,
                                       const GarminDevice& device,
                                       const std::optional<Path>& keepBackup) const {
    const std::int64_t expected = GPIReader::read(data).poiCount();
    auto locked = lock(device);

    if (!fs->isVolumeWritable(device.volumeURL))
        throw DeviceTransferError::readOnly(device.displayName());
    const std::int64_t needed = static_cast<std::int64_t>(data.size()) + spaceMargin;
    if (auto available = fs->availableCapacity(device.volumeURL); available && *available < needed)
        throw DeviceTransferError::notEnoughSpace(device.displayName(), needed, *available);

    refuseSymbolicLinks(device);
    std::optional<Path> backupFolder = backUpExisting(device, keepBackup);
    reached(TransferStep::backup);

    const Path poiFolder = device.poiFolderURL();
    const Path target = device.poiFileURL();
    const Path temporary = poiFolder / (std::string(tempFileName) + "-" + uniqueNameSuffix());
    try {
        if (!fs->isDirectory(poiFolder))
            fs->createDirectory(poiFolder);
        removeTemporaryFiles(device, false);
        reached(TransferStep::write);
        fs->writeAndSync(data, temporary);
        reached(TransferStep::sync);
        fs->rename(temporary, target);
        reached(TransferStep::rename);
    } catch (...) {
        std::string detail = errorDescription(std::current_exception());
        removeTemporaryFiles(device, true);
        throw DeviceTransferError::writeFailed(std::move(detail));
    }
    removeTemporaryFiles(device, true);

    // What is checked is what the medium holds: the rename made durable, the file read past
    // the cache.
    Bytes readBack;
    try {
        fs->syncDirectory(poiFolder);
        readBack =
            fs->readDataFromMedium(target, std::max<std::uint64_t>(data.size(), maxPOIFileBytes));
    } catch (...) {
        throw DeviceTransferError::unreadableAfterWrite(errorDescription(std::current_exception()));
    }
    reached(TransferStep::verify);
    const bool identical = std::equal(readBack.begin(), readBack.end(), data.begin(), data.end());
    std::optional<std::int64_t> found;
    std::exception_ptr parseError;
    try {
        found = GPIReader::read(readBack).poiCount();
    } catch (...) {
        parseError = std::current_exception();
    }
    if (identical) {
        if (parseError)
            throw DeviceTransferError::unreadableAfterWrite(errorDescription(parseError));
        if (*found != expected)
            throw DeviceTransferError::verificationFailed(expected, *found);
    } else {
        throw DeviceTransferError::verificationFailed(expected, found.value_or(0));
    }
    return TransferResult{std::move(backupFolder), expected};
}

TransferResult DeviceTransfer::removeCustomPOIs(const GarminDevice& device) const {
    auto locked = lock(device);
    const Path target = device.poiFileURL();
    if (!fs->fileExists(target))
        throw DeviceTransferError::nothingToRemove();
    if (!fs->isVolumeWritable(device.volumeURL))
        throw DeviceTransferError::readOnly(device.displayName());

    refuseSymbolicLinks(device);
    std::optional<Path> backupFolder = backUpExisting(device);
    reached(TransferStep::remove);
    try {
        fs->remove(target);
    } catch (...) {
        throw DeviceTransferError::writeFailed(errorDescription(std::current_exception()));
    }
    removeTemporaryFiles(device, true);
    return TransferResult{std::move(backupFolder), 0};
}

} // namespace marklode
