#pragma once

#include "core/io/FileSystem.h"

#include <optional>
#include <string>

namespace marklode {

// A mounted volume recognised as a Garmin device (or an SD card prepared for one).
struct GarminDevice {
    Path volumeURL;
    Path garminFolder; // spelled as on disk: Garmin, GARMIN, garmin, ...
    std::optional<std::string> modelName;
    bool hasDeviceXML = false;

    const Path& id() const { return volumeURL; }
    std::string volumeName() const;
    std::string displayName() const;
    Path poiFolderURL() const { return garminFolder / "POI"; }
    Path poiFileURL() const { return poiFolderURL() / "poi.gpi"; }

    bool operator==(const GarminDevice&) const = default;
};

} // namespace marklode
