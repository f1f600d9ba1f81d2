#pragma once

#include "core/io/FileSystem.h"

#include <functional>
#include <string_view>
#include <vector>

namespace marklode {

// Where the candidate volumes for a scan come from; tests substitute folders of their own.
using VolumeSource = std::function<std::vector<Path>()>;

// The mounted local volumes that could be a device, in mount-table order: no root file
// system, no network or pseudo file systems, nothing below the system's own folders.
VolumeSource defaultVolumeSource();

// The same rules applied to the text of a mountinfo table.
std::vector<Path> volumesFromMountInfo(std::string_view mountInfo);

} // namespace marklode
