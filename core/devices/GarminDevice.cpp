#include "core/devices/GarminDevice.h"

namespace marklode {

std::string GarminDevice::volumeName() const {
    // A trailing slash would leave an empty last component.
    Path root = volumeURL.has_filename() ? volumeURL : volumeURL.parent_path();
    return root.filename().string();
}

std::string GarminDevice::displayName() const {
    return modelName ? *modelName : volumeName();
}

} // namespace marklode
