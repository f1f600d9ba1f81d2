#include "rules/ProximityRule.h"

#include <gtest/gtest.h>
#include <optional>

using namespace marklode;

TEST(ProximityRuleTest, ReplacesOnlyTheDistance) {
    const POI gpx{46.5, 8.5, "Pass", "c", 50.0, 250.0};
    struct Case {
        ProximitySettings settings;
        std::optional<double> meters;
    } cases[] = {
        {{ProximityMode::off, 300, DistanceUnit::meters}, std::nullopt},
        {{ProximityMode::fromFile, 300, DistanceUnit::meters}, 250.0},
        {{ProximityMode::fixed, 300, DistanceUnit::meters}, 300.0},
        {{ProximityMode::fixed, 300, DistanceUnit::feet}, 91.0},   // 91.44
        {{ProximityMode::fixed, 100, DistanceUnit::feet}, 30.0},   // 30.48
        {{ProximityMode::fixed, 1000, DistanceUnit::feet}, 305.0}, // 304.8
        {{ProximityMode::fixed, 0.5, DistanceUnit::meters}, 1.0},  // halves away from zero
        {{ProximityMode::fixed, 2.5, DistanceUnit::meters}, 3.0},
    };
    for (const Case& c : cases) {
        POI effective = effectivePOI(gpx, c.settings);
        EXPECT_EQ(effective.proximityMeters, c.meters);
        POI expected = gpx;
        expected.proximityMeters = c.meters;
        EXPECT_EQ(effective, expected) << "the speed and the other fields stay";
    }
}
