#include "core/devices/DeviceTransfer.h"
#include "core/devices/ErrorDescription.h"
#include "core/devices/RestoreError.h"
#include "core/gpi/GPIReader.h"

namespace marklode {

TransferResult DeviceTransfer::restore(const Path& backupFolder, const GarminDevice& device) const {
    const std::string name = backupFolder.filename().string();
    Bytes data;
    try {
        data = fs->readData(backupFolder / "poi.gpi", maxPOIFileBytes);
    } catch (...) {
        throw RestoreError{
            RestoreError::Unreadable{name, errorDescription(std::current_exception())}};
    }
    try {
        GPIReader::read(data);
    } catch (const GPIReaderError&) {
        // Refused here, before the device is locked, rather than worded by the send as a file
        // Marklode built.
        throw RestoreError{RestoreError::Damaged{name}};
    }
    return install(data, device, backupFolder);
}

} // namespace marklode
