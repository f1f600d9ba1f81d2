#include "models/InputFile.h"

#include "rules/UserMessage.h"
#include "support/GPITestSupport.h"
#include "support/QtTestSupport.h"
#include "support/TempDir.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace marklode;
using namespace marklode::test;

namespace {

constexpr std::string_view gpxWithProximity =
    R"(<?xml version="1.0"?><gpx xmlns:gx="urn:x"><wpt lat="47.1" lon="8.2"><name>Gate</name>)"
    R"(<extensions><gx:Ext><gx:Proximity>250</gx:Proximity></gx:Ext></extensions></wpt></gpx>)";

std::string bmp(int side) {
    ByteVector bytes = makeBMP(BMPSpec{side, side}, [](std::size_t, std::size_t) {
        return BGR{0, 0, 255};
    });
    return std::string(bytes.begin(), bytes.end());
}

class InputFileTest : public ::testing::Test {
  protected:
    std::unique_ptr<InputFile> loaded(const Path& path) {
        auto file = std::make_unique<InputFile>(path, QLocale(QStringLiteral("de_DE")), store);
        await(file->load());
        return file;
    }

    TempDir dir;
    std::shared_ptr<SettingsStore> store =
        std::make_shared<SettingsStore>(settingsFile(dir / "settings.conf"), "de_DE.UTF-8");
};

TEST_F(InputFileTest, CreationTakesKindNameAndDefaults) {
    store->save({SpeedUnit::milesPerHour, ProximityMode::fromFile, DistanceUnit::feet, 120});
    struct Case {
        const char* name;
        InputKind kind;
        const char* category;
        ProximityMode mode;
    };
    // CSV files carry no distances, so "from the file" starts as off for them.
    const Case cases[] = {
        {"route.GPX", InputKind::gpx, "route", ProximityMode::fromFile},
        {"notes.txt", InputKind::csv, "notes", ProximityMode::off},
        {"Stops.final.csv", InputKind::csv, "Stops.final", ProximityMode::off},
    };
    for (const Case& c : cases) {
        InputFile file(dir / c.name, QLocale(QStringLiteral("de_DE")), store);
        EXPECT_EQ(file.kind(), c.kind) << c.name;
        EXPECT_EQ(file.categoryName().toStdString(), c.category);
        EXPECT_EQ(file.proximityMode(), c.mode) << c.name;
        EXPECT_EQ(file.speedUnit(), SpeedUnit::milesPerHour);
        EXPECT_EQ(file.fixedProximity(), 120);
    }
    EXPECT_EQ(store->load().proximityMode, ProximityMode::fromFile) << "adjustment not stored";

    InputFile us(dir / "a.csv", QLocale(QStringLiteral("en_US")), nullptr);
    EXPECT_EQ(us.speedUnit(), SpeedUnit::milesPerHour);
    EXPECT_EQ(us.distanceUnit(), DistanceUnit::feet);
    EXPECT_EQ(us.fixedProximity(), 300);
}

TEST_F(InputFileTest, ProximityModesDecideTheWrittenDistance) {
    auto file = loaded(dir.write("gate.gpx", gpxWithProximity));
    ASSERT_EQ(file->rows().size(), 1u) << text(file->loadError());
    struct Case {
        ProximityMode mode;
        double distance;
        DistanceUnit unit;
        std::optional<double> meters;
        const char* summary;
    };
    const Case cases[] = {
        {ProximityMode::off, 300, DistanceUnit::meters, std::nullopt, ""},
        {ProximityMode::fromFile, 300, DistanceUnit::meters, 250, "250 m"},
        {ProximityMode::fromFile, 300, DistanceUnit::feet, 250, "820 ft"},
        {ProximityMode::fixed, 300, DistanceUnit::feet, 91, "299 ft"},
        {ProximityMode::fixed, 1000, DistanceUnit::feet, 305, "1001 ft"},
        {ProximityMode::fixed, 300, DistanceUnit::meters, 300, "300 m"},
        {ProximityMode::fixed, 0.5, DistanceUnit::meters, 1, "1 m"},
    };
    for (const Case& c : cases) {
        file->setProximityMode(c.mode);
        file->setFixedProximity(c.distance);
        file->setDistanceUnit(c.unit);
        POI poi = file->effectivePOIs().at(0);
        EXPECT_EQ(poi.proximityMeters, c.meters) << c.distance;
        EXPECT_EQ(file->alertSummary(POIView(poi)).toStdString(), c.summary) << c.distance;
        EXPECT_EQ(file->effectivePOI(0).toPOI(), poi);
    }
    // Every assignment becomes the default for the next file.
    EXPECT_EQ(store->load(), (ExportDefaults{SpeedUnit::kilometersPerHour, ProximityMode::fixed,
                                             DistanceUnit::meters, 0.5}));

    // A distance a .gpi can't hold is refused; one that got past fails the save naming the
    // setting, not a POI.
    file->setFixedProximity(65536);
    EXPECT_EQ(file->fixedProximity(), 0.5);
    FileExport tooFar = file->exportSnapshot();
    tooFar.proximity.fixedProximity = 65536;
    std::string message;
    try {
        tooFar.gpiData();
    } catch (...) {
        message = userMessage(std::current_exception());
    }
    EXPECT_EQ(message,
              "The distance for \u201cOne distance for all\u201d must be from 0 to 65,535 m.");
}

TEST_F(InputFileTest, SpeedUnitChangeReimportsInTheNewUnit) {
    auto file = loaded(dir.write("speeds.csv", "Name,Latitude,Longitude\nCamera @50,47,8\n"));
    ASSERT_EQ(file->rows().size(), 1u);
    EXPECT_EQ(file->rows()[0].speedKmh, 50);
    EXPECT_EQ(file->alertSummary(file->rows()[0]).toStdString(), "50 km/h");

    QSignalSpy reloads(file.get(), &InputFile::reloadTaskChanged);
    file->setSpeedUnit(SpeedUnit::milesPerHour);
    EXPECT_TRUE(file->isLoading());
    await(file->reloadTask());
    EXPECT_EQ(reloads.count(), 1);
    EXPECT_DOUBLE_EQ(*file->rows()[0].speedKmh, 80.4672);
    EXPECT_EQ(file->alertSummary(file->rows()[0]).toStdString(), "50 mph");
    EXPECT_EQ(store->load().speedUnit, SpeedUnit::milesPerHour);

    // The same unit again starts no import but is still remembered.
    store->save({SpeedUnit::kilometersPerHour, ProximityMode::off, DistanceUnit::meters, 300});
    file->setSpeedUnit(SpeedUnit::milesPerHour);
    EXPECT_FALSE(file->isLoading());
    EXPECT_EQ(reloads.count(), 1);
    EXPECT_EQ(store->load().speedUnit, SpeedUnit::milesPerHour);
}

// km/h, then mph, then km/h again: whichever of the two re-imports finishes last, the speeds
// stay in km/h, and the file reads as loading until the newest one is in place.
TEST_F(InputFileTest, OnlyTheNewestOfOverlappingImportsApplies) {
    for (std::size_t newerFirst : {0, 1}) {
        auto file = loaded(dir.write("speeds.csv", "Name,Latitude,Longitude\nCamera @50,47,8\n"));
        Gate gate;
        file->readInput = heldReader(gate);
        file->setSpeedUnit(SpeedUnit::milesPerHour);
        ASSERT_TRUE(gate.arrived(1));
        file->setSpeedUnit(SpeedUnit::kilometersPerHour);
        ASSERT_TRUE(gate.arrived(2));

        std::size_t newer = 1, older = 0;
        gate.open(newerFirst ? newer : older);
        settle(background::workPool(), 1);
        EXPECT_EQ(file->rows().at(0).speedKmh, 50) << newerFirst;
        EXPECT_EQ(file->isLoading(), !newerFirst);
        EXPECT_EQ(file->whenImported().isFinished(), bool(newerFirst));

        gate.open(newerFirst ? older : newer);
        settle(background::workPool());
        EXPECT_EQ(file->rows().at(0).speedKmh, 50) << newerFirst;
        EXPECT_FALSE(file->isLoading());
        EXPECT_TRUE(file->reloadTask().isFinished());
    }
}

TEST_F(InputFileTest, ReloadOfADeletedFileClearsTheRows) {
    Path path = dir.write("gone.csv", "Name,Latitude,Longitude\nA,47,8\nbad,x,8\n");
    auto file = loaded(path);
    ASSERT_EQ(file->rows().size(), 1u);
    ASSERT_EQ(file->issues().size(), 1u);
    std::filesystem::remove(path);
    await(file->reload());
    EXPECT_TRUE(file->rows().empty());
    EXPECT_TRUE(file->issues().empty());
    EXPECT_EQ(text(file->loadError()), "The file no longer exists.");
    EXPECT_FALSE(file->isLoading());
}

TEST_F(InputFileTest, SidecarIconsAreFoundAndCheckedAfterLoading) {
    auto good = loaded(dir.write("Stops.csv", "Name,Latitude,Longitude\nA,47,8\n"));
    EXPECT_FALSE(good->icon()) << "no sidecar yet";
    dir.write("stops.BMP", bmp(2));
    good = loaded(dir / "Stops.csv");
    ASSERT_TRUE(good->icon()) << text(good->iconError());
    EXPECT_EQ(good->iconSource(), IconSource::sidecar(dir / "stops.BMP"));

    TempDir other;
    other.write("Big.bmp", bmp(32));
    auto big = loaded(other.write("big.gpx", gpxWithProximity));
    EXPECT_FALSE(big->icon());
    EXPECT_EQ(big->iconSource(), IconSource::builtIn());
    std::string error = text(big->iconError());
    EXPECT_TRUE(error.starts_with("Big.bmp: The icon can't be used. ")) << error;
    EXPECT_TRUE(error.ends_with(" Use a 24-bit BMP of at most 24\u00D724 pixels.")) << error;

    // A chosen icon is replaced by neither a later attempt's failure nor the built-in one.
    big->applyIconSource(IconSource::custom(dir / "stops.BMP"));
    EXPECT_TRUE(big->icon());
    EXPECT_FALSE(big->iconError());
    big->applyIconSource(IconSource::custom(dir / "missing.bmp"));
    EXPECT_FALSE(big->icon());
    EXPECT_EQ(text(big->iconError()), "missing.bmp: The file no longer exists.");
}

TEST_F(InputFileTest, SearchIgnoresCaseButNotAccents) {
    auto file = loaded(dir.write("cafes.csv", "Name,Latitude,Longitude,Comment\n"
                                              "Café Zentral,47,8,\n"
                                              "Cafe Nord,47,8,open late\n"
                                              "Bäckerei,47,8,CAFÉ inside\n"));
    ASSERT_EQ(file->rows().size(), 3u);
    struct Case {
        const char* search;
        std::vector<std::size_t> rows;
    };
    const Case cases[] = {
        {"", {0, 1, 2}}, {"   ", {0, 1, 2}}, {"CAFÉ", {0, 2}},  {"cafe", {1}},
        {" late ", {1}}, {"ÄCKER", {2}},     {"nord open", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(file->filteredRows(c.search), c.rows) << c.search;
}

TEST_F(InputFileTest, EmptyCategoryNameFailsTheOwnFile) {
    auto file = loaded(dir.write("a.csv", "Name,Latitude,Longitude\nA,47,8\n"));
    EXPECT_FALSE(file->gpiData().empty());
    file->setCategoryName(QString());
    try {
        (void)file->gpiData();
        ADD_FAILURE() << "no error";
    } catch (...) {
        EXPECT_EQ(userMessage(std::current_exception()), "Enter a category name before saving.");
    }
}

// Each kind starts in its own mode; the mode then decides the categories the export makes
// without the file being read again.
TEST_F(InputFileTest, CategoryModeStartsByKindAndSplitsWithoutReimport) {
    for (const InputKindRow& row : inputKinds) {
        InputFile file(dir / ("a" + std::string(row.extension)), QLocale(), store);
        EXPECT_EQ(file.categoryMode(), row.defaultCategoryMode) << row.extension;
        EXPECT_EQ(file.settings().categoryMode, row.defaultCategoryMode) << row.extension;
    }

    InputFile file(dir.write("stops.csv", "Name,Latitude,Longitude,Category,City\n"
                                          "A,47,8,Fuel,Bern\n"
                                          "B,47,8,,\n"
                                          "C,47,8,Cafe,\n"
                                          "D,47,8,Fuel,\n"
                                          "E,47,8,Stops,\n"),
                   QLocale(), store);
    await(file.load());
    file.setCategoryName(QStringLiteral(" Stops "));
    file.setCategoryMode(CategoryMode::oneForFile);
    EXPECT_EQ(file.exportedCategories(), (std::vector<CategoryCount>{{" Stops ", 5}}));
    QSignalSpy modeChanged(&file, &InputFile::categoryModeChanged);
    QSignalSpy settingsChanged(&file, &InputFile::settingsChanged);
    file.setCategoryMode(CategoryMode::fromFile);
    EXPECT_EQ(modeChanged.size(), 1);
    EXPECT_EQ(settingsChanged.size(), 1);
    EXPECT_FALSE(file.isLoading());
    EXPECT_FALSE(file.reloadTask().isValid()) << "the file is not read again";
    EXPECT_EQ(file.exportSnapshot().categoryMode, CategoryMode::fromFile);
    // The file's own category takes the POIs without one and those naming it, where the
    // first of them is.
    EXPECT_EQ(file.exportedCategories(),
              (std::vector<CategoryCount>{{"Fuel", 2}, {" Stops ", 2}, {"Cafe", 1}}));
    EXPECT_TRUE(file.details().gives(POIField::city));
    EXPECT_FALSE(file.details().gives(POIField::phone));
}

TEST_F(InputFileTest, SearchFindsCategoriesAddressesAndPhones) {
    InputFile file(dir.write("shops.csv",
                             "Name,Latitude,Longitude,Category,Street,Postcode,City,"
                             "Phone,Region,Country\n"
                             "A,47,8,Bakery,Hauptstrasse 1,8001,Z\xC3\xBCrich,+41 44 1,,\n"
                             "B,47,8,,,,,,Bern,Schweiz\n"),
                   QLocale(), store);
    await(file.load());
    struct Case {
        const char* search;
        std::vector<std::size_t> rows;
    };
    const Case cases[] = {
        {"bakery", {0}}, {"HAUPT", {0}}, {"8001", {0}},    {"z\xC3\xBCrich", {0}},
        {"+41", {0}},    {"bern", {1}},  {"schweiz", {1}}, {"bakeryhaupt", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(file.filteredRows(c.search), c.rows) << c.search;
}

} // namespace
