#pragma once

#include "core/devices/GarminDevice.h"
#include "core/io/FileSystem.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace marklode {

// Recognises Garmin volumes and reads their model names. Only ever reads.
class DeviceScanner {
  public:
    explicit DeviceScanner(FileSystemHandle fileSystem) : fs(std::move(fileSystem)) {}

    // The devices among the volumes, in the order given; other volumes are dropped.
    std::vector<GarminDevice> scan(const std::vector<Path>& volumes) const;
    std::optional<GarminDevice> device(const Path& volumeURL) const;

    // Real description files are a few kilobytes; larger or deeper ones give no model.
    static constexpr std::uint64_t maxDeviceXMLBytes = 1 << 20;
    static constexpr std::size_t maxDeviceXMLDepth = 10'000;

    // The first non-empty Model/Description text of a device description file.
    static std::optional<std::string> modelName(std::span<const std::uint8_t> deviceXML);

    FileSystemHandle fs;
};

} // namespace marklode
