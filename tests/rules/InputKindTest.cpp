#include "rules/InputKind.h"

#include "core/import/ImportError.h"

#include <gtest/gtest.h>
#include <string>

using namespace marklode;

TEST(InputKindTest, NameDecidesKindAndWhetherItIsAnInput) {
    struct Case {
        const char* path;
        InputKind kind;
        bool isInput;
        bool foundInFolder = isInput;
    } cases[] = {
        {"route.gpx", InputKind::gpx, true},
        {"dir/Route.GpX", InputKind::gpx, true},
        {"stops.CSV", InputKind::csv, true},
        {"places.KML", InputKind::kml, true},
        {"places.kmz", InputKind::kmz, true},
        {"notes.txt", InputKind::csv, false},     // read as CSV when named alone
        {"route.gpx.bak", InputKind::csv, false}, // only the last extension counts
        {".gpx", InputKind::csv, false},          // a hidden file's name, not an extension
        {"gpx", InputKind::csv, false},
        {"route.gpx.d/stops", InputKind::csv, false},
        {"shops.GeoJSON", InputKind::geojson, true},
        // Only named alone: a folder holds package.json and settings.json more than POIs.
        {"shops.json", InputKind::geojson, true, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(inputKindOf(c.path), c.kind) << c.path;
        EXPECT_EQ(hasInputExtension(c.path), c.isInput) << c.path;
        EXPECT_EQ(hasInputExtension(c.path, InputOrigin::foundInFolder), c.foundInFolder) << c.path;
    }
}

TEST(InputKindTest, EachKindHasItsImporter) {
    const std::string document =
        "<kml><Placemark><name>A</name><Point><coordinates>2,1</coordinates></Point>"
        "</Placemark></kml>";
    EXPECT_EQ(importData(document, InputKind::kml, SpeedUnit::kilometersPerHour).pois.size(), 1u);
    EXPECT_THROW(importData(document, InputKind::kmz, SpeedUnit::kilometersPerHour), ImportError);
    EXPECT_EQ(defaultCategoryMode(InputKind::kmz), CategoryMode::fromFile);
    EXPECT_EQ(defaultProximityMode(InputKind::kml), ProximityMode::off);
}
