#include "core/devices/DeviceTransfer.h"

#include "core/devices/ErrorDescription.h"
#include "core/gpi/GPIReader.h"
#include "core/io/AtomicWrite.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <string>
#include <thread>

namespace marklode {

namespace {

// Test-only pause so that a crash test can kill the process at a known step.
void pauseForTests(std::string_view step) {
    const char* at = std::getenv("MARKLODE_TEST_PAUSE_AT");
    if (!at || step != at)
        return;
    const char* ms = std::getenv("MARKLODE_TEST_PAUSE_MS");
    long milliseconds = 0;
    if (ms)
        std::from_chars(ms, ms + std::char_traits<char>::length(ms), milliseconds);
    std::this_thread::sleep_for(std::chrono::milliseconds(std::max(0L, milliseconds)));
}

} // namespace

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
    const std::int64_t expected = GPIReader::read(data).poiCount();
    auto locked = lock(device);

    if (!fs->isVolumeWritable(device.volumeURL))
        throw DeviceTransferError::readOnly(device.displayName());
    const std::int64_t needed = static_cast<std::int64_t>(data.size()) + spaceMargin;
    if (auto available = fs->availableCapacity(device.volumeURL); available && *available < needed)
        throw DeviceTransferError::notEnoughSpace(device.displayName(), needed, *available);

    refuseSymbolicLinks(device);
    std::optional<Path> backupFolder = backUpExisting(device);
    pauseForTests("backup");

    const Path poiFolder = device.poiFolderURL();
    const Path target = device.poiFileURL();
    const Path temporary = poiFolder / (std::string(tempFileName) + "-" + uniqueNameSuffix());
    try {
        if (!fs->isDirectory(poiFolder))
            fs->createDirectory(poiFolder);
        removeTemporaryFiles(device, false);
        pauseForTests("write");
        fs->writeAndSync(data, temporary);
        pauseForTests("sync");
        fs->rename(temporary, target);
        pauseForTests("rename");
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
    pauseForTests("verify");
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
    pauseForTests("remove");
    try {
        fs->remove(target);
    } catch (...) {
        throw DeviceTransferError::writeFailed(errorDescription(std::current_exception()));
    }
    removeTemporaryFiles(device, true);
    return TransferResult{std::move(backupFolder), 0};
}

} // namespace marklode
