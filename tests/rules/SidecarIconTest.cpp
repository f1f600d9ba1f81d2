#include "rules/SidecarIcon.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace marklode;

TEST(SidecarIconTest, MatchesBaseNameInAnyCase) {
    marklode::test::TempDir dir;
    dir.write("Stops.csv", "");
    dir.write("other.bmp", "");
    dir.write("stops.txt", "");
    EXPECT_FALSE(findSidecarIcon(dir / "Stops.csv").has_value());
    dir.write("stops.BMP", "");
    EXPECT_EQ(findSidecarIcon(dir / "Stops.csv"), dir / "stops.BMP");
    EXPECT_FALSE(findSidecarIcon(dir / "missing-folder/Stops.csv").has_value());
    dir.write("Stops.final.csv", "");
    dir.write("stops.final.bmp", "");
    EXPECT_EQ(findSidecarIcon(dir / "Stops.final.csv"), dir / "stops.final.bmp");
}
