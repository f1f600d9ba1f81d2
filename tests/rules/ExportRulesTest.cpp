#include "rules/LocaleRegion.h"
#include "rules/ProximityRule.h"
#include "rules/SaveNames.h"
#include "rules/SidecarIcon.h"
#include "rules/TransferMessages.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace marklode;

TEST(ExportRulesTest, ProximityRuleReplacesOnlyTheDistance) {
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

TEST(ExportRulesTest, SaveNamesCountUpIgnoringCase) {
    SaveNames names;
    EXPECT_EQ(names.next("route"), "route.gpi");
    EXPECT_EQ(names.next("route"), "route 2.gpi");
    EXPECT_EQ(names.next("Route"), "Route 3.gpi");
    EXPECT_EQ(names.next("route 2"), "route 2 2.gpi");
    EXPECT_EQ(names.next("Ärger"), "Ärger.gpi");
    EXPECT_EQ(names.next("ärger"), "ärger 2.gpi");
}

TEST(ExportRulesTest, SidecarIconMatchesBaseNameInAnyCase) {
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

TEST(ExportRulesTest, TransferMessagesKeepPOIsPluralAndAddTheBackupNote) {
    EXPECT_EQ(sentMessage("1", 1, "Edge 530", std::nullopt),
              "Sent 1 POIs in 1 category to Edge 530. The file was read back and checked.");
    EXPECT_EQ(
        sentMessage("1,234", 2, "GARMIN", std::filesystem::path("/b/GARMIN/2026-12-07 08.00.00")),
        "Sent 1,234 POIs in 2 categories to GARMIN. The file was read back and checked.\n\n"
        "The previous custom POIs were backed up to:\n/b/GARMIN/2026-12-07 08.00.00");
    EXPECT_EQ(removedMessage("Edge 530", std::nullopt), "Removed the custom POIs from Edge 530.");
    EXPECT_EQ(removedMessage("Edge 530", std::filesystem::path("/b/x")),
              "Removed the custom POIs from Edge 530.\n\nA backup was saved to:\n/b/x");
}

TEST(ExportRulesTest, UnitsFollowTheLocaleNamedForMeasurement) {
    struct Case {
        const char* all;
        const char* measurement;
        const char* lang;
        const char* region;
    } cases[] = {
        {"", "", "en_US.UTF-8", "US"},      {"", "", "en", ""},
        {"", "en_US", "de_DE.UTF-8", "US"}, {"C", "en_US", "en_US", ""},
        {"de_AT@euro", "", "en_US", "AT"},  {"", "", "", ""},
    };
    const char* variables[] = {"LC_ALL", "LC_MEASUREMENT", "LANG"};
    std::optional<std::string> saved[3];
    for (int i = 0; i < 3; ++i)
        if (const char* value = std::getenv(variables[i]))
            saved[i] = value;
    for (const Case& c : cases) {
        const char* values[] = {c.all, c.measurement, c.lang};
        for (int i = 0; i < 3; ++i)
            ::setenv(variables[i], values[i], 1);
        EXPECT_EQ(regionOfLocaleName(measurementLocaleName()), c.region) << c.lang;
    }
    for (int i = 0; i < 3; ++i)
        saved[i] ? ::setenv(variables[i], saved[i]->c_str(), 1) : ::unsetenv(variables[i]);
}
