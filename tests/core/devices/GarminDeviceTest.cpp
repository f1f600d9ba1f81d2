#include "core/devices/GarminDevice.h"

#include <gtest/gtest.h>

using namespace marklode;

TEST(GarminDeviceTest, VolumeNameIsTheLastComponentOfTheMountPoint) {
    EXPECT_EQ((GarminDevice{"/media/u/My GPS", "/media/u/My GPS/Garmin", std::nullopt, false})
                  .displayName(),
              "My GPS");
    EXPECT_EQ(
        (GarminDevice{"/media/u/SD/", "/media/u/SD/Garmin", std::nullopt, false}).volumeName(),
        "SD");
}
