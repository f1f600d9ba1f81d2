#pragma once

#include "models/DeviceViewModel.h"

namespace marklode {

// The local disk, the mount table, the user's backups folder, UDisks2 and the file manager.
DeviceServices platformDeviceServices();

} // namespace marklode
