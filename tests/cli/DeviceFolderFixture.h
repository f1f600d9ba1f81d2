#pragma once

#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace marklode::test {

// A folder that looks like a Garmin called "Drive 53" at dir/GPS, and the arguments that aim a
// command at it with its backups kept in dir/backups.
class DeviceFolderFixture : public testing::Test {
  protected:
    DeviceFolderFixture() {
        std::filesystem::create_directories(dir / "GPS/Garmin");
        dir.write("GPS/Garmin/GarminDevice.xml",
                  "<Device><Model><Description>Drive 53</Description></Model></Device>");
    }

    std::vector<std::string> withDevice(std::vector<std::string> args) const {
        args.insert(args.end(), {"--device", (dir / "GPS").string(), "--backup-root",
                                 (dir / "backups").string()});
        return args;
    }
    std::filesystem::path poiFile() const { return dir / "GPS/Garmin/POI/poi.gpi"; }

    TempDir dir;
};

} // namespace marklode::test
