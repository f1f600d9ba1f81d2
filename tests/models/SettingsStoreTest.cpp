#include "models/SettingsStore.h"

#include "rules/InputKind.h"
#include "support/QtTestSupport.h"
#include "support/TempDir.h"

#include <fstream>
#include <gtest/gtest.h>

using namespace marklode;
using namespace marklode::test;

namespace {

class SettingsStoreTest : public ::testing::Test {
  protected:
    SettingsStore store(const char* locale) { return SettingsStore(settingsFile(file), locale); }
    void put(const char* key, const QVariant& value) {
        auto settings = settingsFile(file);
        settings->setValue(QString::fromLatin1(key), value);
    }

    TempDir dir;
    std::filesystem::path file = dir / "Marklode.conf";
};

TEST_F(SettingsStoreTest, FirstLaunchDefaultsFollowTheRegion) {
    struct Case {
        const char* locale;
        ExportDefaults expected;
    };
    const Case cases[] = {
        {"en_US", {SpeedUnit::milesPerHour, ProximityMode::fromFile, DistanceUnit::feet, 300}},
        {"de_DE",
         {SpeedUnit::kilometersPerHour, ProximityMode::fromFile, DistanceUnit::meters, 300}},
        {"en_GB",
         {SpeedUnit::kilometersPerHour, ProximityMode::fromFile, DistanceUnit::meters, 300}},
        {"en_US.UTF-8",
         {SpeedUnit::milesPerHour, ProximityMode::fromFile, DistanceUnit::feet, 300}},
        // No region at all counts as not the United States, even where Qt would fill one in.
        {"C", {SpeedUnit::kilometersPerHour, ProximityMode::fromFile, DistanceUnit::meters, 300}},
        {"en", {SpeedUnit::kilometersPerHour, ProximityMode::fromFile, DistanceUnit::meters, 300}},
        {"", {SpeedUnit::kilometersPerHour, ProximityMode::fromFile, DistanceUnit::meters, 300}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(store(c.locale).load(), c.expected) << c.locale;
}

TEST_F(SettingsStoreTest, UnrecognisedTextsFallBackToTheDefaults) {
    put("speedUnit", QStringLiteral("MPH"));
    put("proximityMode", QStringLiteral("Fixed"));
    put("distanceUnit", QStringLiteral("foot"));
    put("fixedProximity", 300000); // more than a .gpi holds
    ExportDefaults us = store("en_US").load();
    EXPECT_EQ(us.fixedProximity, 300);
    EXPECT_EQ(us.speedUnit, SpeedUnit::milesPerHour);
    EXPECT_EQ(us.proximityMode, ProximityMode::fromFile);
    EXPECT_EQ(us.distanceUnit, DistanceUnit::feet);
    ExportDefaults german = store("de_DE").load();
    EXPECT_EQ(german.speedUnit, SpeedUnit::kilometersPerHour);
    EXPECT_EQ(german.distanceUnit, DistanceUnit::meters);
}

TEST_F(SettingsStoreTest, SavedValuesWinOverTheLocaleAndUseTheStoredTexts) {
    store("en_US").save(
        {SpeedUnit::kilometersPerHour, ProximityMode::fixed, DistanceUnit::meters, 150});
    EXPECT_EQ(store("en_US").load(),
              (ExportDefaults{SpeedUnit::kilometersPerHour, ProximityMode::fixed,
                              DistanceUnit::meters, 150}));
    store("de_DE").save({SpeedUnit::milesPerHour, ProximityMode::off, DistanceUnit::feet, 0.5});
    EXPECT_EQ(store("de_DE").load(), (ExportDefaults{SpeedUnit::milesPerHour, ProximityMode::off,
                                                     DistanceUnit::feet, 0.5}));

    auto raw = settingsFile(file);
    EXPECT_EQ(raw->value(QStringLiteral("speedUnit")).toString(), QStringLiteral("mph"));
    EXPECT_EQ(raw->value(QStringLiteral("proximityMode")).toString(), QStringLiteral("off"));
    EXPECT_EQ(raw->value(QStringLiteral("distanceUnit")).toString(), QStringLiteral("feet"));
    EXPECT_EQ(raw->value(QStringLiteral("fixedProximity")).toDouble(), 0.5);
}

// A list saved before files could be split by category reads as each kind's default; a mode
// saved since comes back, and a text never written is the default too.
TEST_F(SettingsStoreTest, ListedFilesWithoutACategoryModeGetTheirKindsDefault) {
    std::ofstream(dir / "Marklode-library.json")
        << R"({"files":[{"path":"/in/a.csv","categoryName":"a"},)"
           R"({"path":"/in/b.gpx","categoryMode":"fromFile"},)"
           R"({"path":"/in/c.gpx","categoryMode":"FromFile"}]})";
    const CategoryMode expected[] = {defaultCategoryMode(InputKind::csv), CategoryMode::fromFile,
                                     defaultCategoryMode(InputKind::gpx)};
    SavedLibrary library = store("de_DE").loadLibrary();
    ASSERT_EQ(library.files.size(), std::size(expected));
    for (std::size_t i = 0; i < library.files.size(); ++i)
        EXPECT_EQ(library.files[i].settings.categoryMode, expected[i]) << i;
}

} // namespace
