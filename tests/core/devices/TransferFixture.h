#pragma once

#include "GPIBytes.h"
#include "MemoryFileSystem.h"
#include "core/devices/DeviceTransfer.h"

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace marklode::test {

// Sets the process time zone for the lifetime of the object.
class TimeZone {
  public:
    explicit TimeZone(const char* zone) {
        if (const char* old = std::getenv("TZ"))
            previous_ = old;
        ::setenv("TZ", zone, 1);
        ::tzset();
    }
    ~TimeZone() {
        if (previous_)
            ::setenv("TZ", previous_->c_str(), 1);
        else
            ::unsetenv("TZ");
        ::tzset();
    }
    TimeZone(const TimeZone&) = delete;
    TimeZone& operator=(const TimeZone&) = delete;

  private:
    std::optional<std::string> previous_;
};

inline std::chrono::system_clock::time_point march1At0915() {
    using namespace std::chrono;
    return sys_days{year{2025} / March / 1} + hours{9} + minutes{15};
}

inline std::string text(const Bytes& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

template <class Operation> std::optional<DeviceTransferError> transferError(Operation&& operation) {
    try {
        operation();
    } catch (const DeviceTransferError& error) {
        return error;
    }
    return std::nullopt;
}

// A device volume at /media/GPS holding an old poi.gpi and both side files, backups in
// /backups, a clock standing at 2025-03-01 09:15:00 UTC.
class TransferFixture : public ::testing::Test {
  protected:
    TransferFixture() {
        fs->addVolume("/media/GPS");
        fs->addFile("/media/GPS/Garmin/POI/poi.gpi", text(oldFile));
        fs->addFile("/media/GPS/Garmin/POI/._poi.gpi", "side");
        fs->addFile("/media/GPS/Garmin/POI/._poi.gpi.marklode-tmp", "side");
    }

    TimeZone utc{"UTC"};
    std::shared_ptr<MemoryFileSystem> fs = std::make_shared<MemoryFileSystem>();
    GarminDevice device{"/media/GPS", "/media/GPS/Garmin", "Drive 53", true};
    DeviceTransfer transfer{fs, "/backups", march1At0915};
    Bytes oldFile = gpiFile({{"Old", 2}});
    Bytes newFile = gpiFile({{"Cafés", 1}, {"Fuel", 2}});
    const Path poiFolder = "/media/GPS/Garmin/POI";
    const Path target = "/media/GPS/Garmin/POI/poi.gpi";
    const Path temporary = "/media/GPS/Garmin/POI/poi.gpi.marklode-tmp";
    const Path deviceBackups = "/backups/Drive 53";
    const Path firstBackup = "/backups/Drive 53/2025-03-01_09-15-00";
};

} // namespace marklode::test
