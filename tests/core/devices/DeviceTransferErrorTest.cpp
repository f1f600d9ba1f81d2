#include "core/devices/DeviceTransferError.h"

#include <gtest/gtest.h>
#include <string>

using namespace marklode;

TEST(DeviceTransferErrorTest, DescriptionsAreTheUserMessages) {
    struct Case {
        DeviceTransferError error;
        std::string text;
    };
    const Case cases[] = {
        {DeviceTransferError::readOnly("nüvi"),
         "\u201Cnüvi\u201D is read-only, so Marklode can't write to it. If it's an SD card, "
         "check its lock switch."},
        {DeviceTransferError::notEnoughSpace("SD", 1'234'567, 999),
         "\u201CSD\u201D doesn't have enough free space. Marklode needs 1.2 MB, but only 999 "
         "bytes is free."},
        {DeviceTransferError::notEnoughSpace("SD", 1'600'123, 1'599'987),
         "\u201CSD\u201D doesn't have enough free space. Marklode needs 1.6001 MB, but only "
         "1.6000 MB is free."},
        {DeviceTransferError::backupFailed("Permission denied"),
         "Marklode couldn't back up the POIs already on the device, so nothing was changed. "
         "Permission denied"},
        {DeviceTransferError::verificationFailed(250, 249),
         "The file on the device has 249 POIs, but 250 were written. Try again, or restore the "
         "backup."},
        {DeviceTransferError::unreadableAfterWrite("Input/output error"),
         "The file on the device couldn't be read back after writing. Try again, or restore the "
         "backup. Input/output error"},
        {DeviceTransferError::writeFailed("No space left on device"),
         "Writing to the device failed. The POIs already on the device were not changed. No "
         "space left on device"},
        {DeviceTransferError::nothingToRemove(),
         "There are no custom POIs (Garmin/POI/poi.gpi) on this device."},
        {DeviceTransferError::symbolicLink("SD", "Garmin/POI"),
         "\u201CSD\u201D has a symbolic link at Garmin/POI, so Marklode won't change its POIs. "
         "Replace the link with a real folder or file and try again."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.error.description(), c.text);
}
